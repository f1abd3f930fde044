// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/SimulatorWindow.h"

#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"
#include "roulette/Roulette.h"
#include "simulation/SimulationTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QFont boldFont(const QFont& base, qreal points)
{
    QFont font(base);
    if (points > 0) {
        font.setPointSizeF(points);
    }
    font.setBold(true);
    return font;
}

QPushButton* makeButton(
    QWidget* parent, const QString& name, const QString& caption, int left, int top, int width, int height)
{
    auto* button = new QPushButton(caption, parent);
    nameControl(button, name);
    Twips::place(button, left, top, width, height);
    button->setAutoDefault(false);
    return button;
}

// Outer window sizes in twips: compact shows only the start and help buttons.
constexpr QSize IdleSize{2190, 870};
constexpr QSize RunningSize{4755, 1530};

ColourCode colourOfDraw(int number)
{
    if (number < 0) {
        return Colours::Green;
    }
    if (number == 0) {
        return Colours::DarkGreen;
    }
    return Roulette::isRed(number) ? Colours::Red : Colours::Grey;
}

} // namespace

SimulatorWindow::SimulatorWindow(QWidget* board)
    : QWidget(board, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("simulatorWindow"));
    setWindowTitle(SimulationTexts::caption());
    setAttribute(Qt::WA_DeleteOnClose, true);
    Colours::setBackColour(this, Colours::ButtonFace);

    buildControls();
    closeOnEscape(this);

    m_drawTimer = new QTimer(this);
    m_drawTimer->setObjectName(QStringLiteral("drawTimer"));
    m_drawTimer->setInterval(m_model.interval());
    connect(m_drawTimer, &QTimer::timeout, this, &SimulatorWindow::drawTick);

    refresh();
}

void SimulatorWindow::buildControls()
{
    m_startButton
        = makeButton(this, QStringLiteral("startButton"), SimulationTexts::start(), 45, 75, 1710, 420);
    connect(m_startButton, &QPushButton::clicked, this, &SimulatorWindow::start);

    m_helpButton = makeHelpButton(this, 1800, 0, 255, 495, SimulationTexts::helpTip());
    connect(m_helpButton, &QPushButton::clicked, this, &SimulatorWindow::openHelp);

    m_drawnNumberLabel = new QLabel(this);
    nameControl(m_drawnNumberLabel, QStringLiteral("drawnNumberLabel"));
    Twips::place(m_drawnNumberLabel, 300, 555, 930, 600);
    m_drawnNumberLabel->setAlignment(Qt::AlignCenter);
    m_drawnNumberLabel->setFont(boldFont(font(), 24));
    Colours::setForeColour(m_drawnNumberLabel, Colours::Black);

    m_slowerButton
        = makeButton(this, QStringLiteral("slowerButton"), SimulationTexts::Slower, 2220, 90, 480, 390);
    m_slowerButton->setFont(boldFont(font(), 12));
    connect(m_slowerButton, &QPushButton::clicked, this, &SimulatorWindow::slower);

    m_fasterButton
        = makeButton(this, QStringLiteral("fasterButton"), SimulationTexts::Faster, 2715, 90, 480, 390);
    m_fasterButton->setFont(boldFont(font(), 12));
    connect(m_fasterButton, &QPushButton::clicked, this, &SimulatorWindow::faster);

    m_paceBox = new QLineEdit(this);
    nameControl(m_paceBox, QStringLiteral("paceBox"));
    Twips::place(m_paceBox, 3285, 105, 345, 360);
    m_paceBox->setFont(boldFont(font(), 0));
    m_paceBox->setText(m_model.paceText());
    m_paceBox->setAccessibleName(SimulationTexts::paceName());
    // The pace box is the player's to type into; what it shows only counts at the next "+".
    connect(m_paceBox, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.typePace(text); });

    m_unitLabel = new QLabel(SimulationTexts::unit(), this);
    nameControl(m_unitLabel, QStringLiteral("unitLabel"));
    Twips::place(m_unitLabel, 3810, 180, 930, 240);

    m_pauseButton
        = makeButton(this, QStringLiteral("pauseButton"), SimulationTexts::pause(), 1425, 645, 1065, 420);
    connect(m_pauseButton, &QPushButton::clicked, this, &SimulatorWindow::pauseOrResume);

    m_stopButton
        = makeButton(this, QStringLiteral("stopButton"), SimulationTexts::stop(), 2700, 630, 1710, 420);
    connect(m_stopButton, &QPushButton::clicked, this, &SimulatorWindow::stop);
}

void SimulatorWindow::setRandomSource(std::unique_ptr<RandomSource> random)
{
    m_model.setRandomSource(std::move(random));
}

void SimulatorWindow::start()
{
    m_model.start();
    refresh();
    emit started();
}

void SimulatorWindow::faster()
{
    m_model.faster();
    refresh();
}

void SimulatorWindow::stop()
{
    m_model.stop();
    refresh();
}

void SimulatorWindow::pauseOrResume()
{
    m_model.pauseOrResume();
    refresh();
}

void SimulatorWindow::openHelp()
{
    HelpPages::open(SimulationTexts::HelpPage);
}

void SimulatorWindow::slower()
{
    m_model.slower();
    refresh();
}

void SimulatorWindow::drawTick()
{
    // One question at a time: a tick that comes while an entry's question is still open
    // draws nothing. The timer keeps its pace, so the first tick after the answer draws.
    if (MessageBox::isOpen()) {
        return;
    }
    const int number = m_model.draw();
    refresh();
    emit numberDrawn(number);
}

void SimulatorWindow::refresh()
{
    m_startButton->setEnabled(m_model.isStartEnabled());
    m_pauseButton->setText(m_model.pauseCaption());
    if (m_paceBox->text() != m_model.paceText()) {
        m_paceBox->setText(m_model.paceText());
    }
    m_drawnNumberLabel->setText(m_model.lastDraw() < 0 ? QString() : QString::number(m_model.lastDraw()));
    describeForScreenReaders(m_drawnNumberLabel,
        m_model.lastDraw() < 0 ? SimulationTexts::noDrawName()
                               : SimulationTexts::drawnNumberName().arg(m_drawnNumberLabel->text()));
    Colours::setBackColour(m_drawnNumberLabel, colourOfDraw(m_model.lastDraw()));

    if (m_drawTimer->interval() != m_model.interval()) {
        m_drawTimer->setInterval(m_model.interval());
    }
    if (m_model.isTimerEnabled() && !m_drawTimer->isActive()) {
        m_drawTimer->start();
    } else if (!m_model.isTimerEnabled() && m_drawTimer->isActive()) {
        m_drawTimer->stop();
    }

    const QSize outer = m_model.isRunning() ? RunningSize : IdleSize;
    Twips::setClientSizeFromOuter(this, outer.width(), outer.height(), Twips::Frame::Window);
}
