// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/Form7.h"

#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
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

Form7::Form7(QWidget* board)
    : QWidget(board, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form7"));
    setWindowTitle(SimulationTexts::Caption);
    setAttribute(Qt::WA_DeleteOnClose, true);
    Colours::setBackColour(this, Colours::ButtonFace);

    buildControls();

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(m_model.interval());
    connect(m_timer1, &QTimer::timeout, this, &Form7::Timer1_Timer);

    refresh();
}

void Form7::buildControls()
{
    m_command1 = makeButton(this, QStringLiteral("Command1"), SimulationTexts::Start, 45, 75, 1710, 420);
    connect(m_command1, &QPushButton::clicked, this, &Form7::Command1_Click);

    m_command5 = makeButton(this, QStringLiteral("Command5"), QString(), 1800, 0, 255, 495);
    m_command5->setIcon(Pictures::helpBulb());
    m_command5->setIconSize(m_command5->size() - QSize(4, 4));
    m_command5->setToolTip(SimulationTexts::HelpTip);
    m_command5->setAccessibleName(SimulationTexts::HelpTip);
    connect(m_command5, &QPushButton::clicked, this, &Form7::Command5_Click);

    m_label1 = new QLabel(this);
    nameControl(m_label1, QStringLiteral("Label1"));
    Twips::place(m_label1, 300, 555, 930, 600);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFont(boldFont(font(), 24));
    Colours::setForeColour(m_label1, Colours::Black);

    m_complus = makeButton(this, QStringLiteral("Complus"), SimulationTexts::Slower, 2220, 90, 480, 390);
    m_complus->setFont(boldFont(font(), 12));
    connect(m_complus, &QPushButton::clicked, this, &Form7::Complus_Click);

    m_command2 = makeButton(this, QStringLiteral("Command2"), SimulationTexts::Faster, 2715, 90, 480, 390);
    m_command2->setFont(boldFont(font(), 12));
    connect(m_command2, &QPushButton::clicked, this, &Form7::Command2_Click);

    m_text1 = new QLineEdit(this);
    nameControl(m_text1, QStringLiteral("Text1"));
    Twips::place(m_text1, 3285, 105, 345, 360);
    m_text1->setFont(boldFont(font(), 0));
    m_text1->setText(m_model.paceText());
    // The pace box is the player's to type into; what it shows only counts at the next "+".
    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.typePace(text); });

    m_label2 = new QLabel(SimulationTexts::Unit, this);
    nameControl(m_label2, QStringLiteral("Label2"));
    Twips::place(m_label2, 3810, 180, 930, 240);

    m_command4 = makeButton(this, QStringLiteral("Command4"), SimulationTexts::Pause, 1425, 645, 1065, 420);
    connect(m_command4, &QPushButton::clicked, this, &Form7::Command4_Click);

    m_command3 = makeButton(this, QStringLiteral("Command3"), SimulationTexts::Stop, 2700, 630, 1710, 420);
    connect(m_command3, &QPushButton::clicked, this, &Form7::Command3_Click);
}

void Form7::setRandomSource(std::unique_ptr<RandomSource> random)
{
    m_model.setRandomSource(std::move(random));
}

void Form7::Command1_Click()
{
    m_model.start();
    refresh();
}

void Form7::Command2_Click()
{
    m_model.faster();
    refresh();
}

void Form7::Command3_Click()
{
    m_model.stop();
    refresh();
}

void Form7::Command4_Click()
{
    m_model.pauseOrResume();
    refresh();
}

void Form7::Command5_Click()
{
    HelpPages::open(SimulationTexts::HelpPage);
}

void Form7::Complus_Click()
{
    m_model.slower();
    refresh();
}

void Form7::Timer1_Timer()
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

void Form7::refresh()
{
    m_command1->setEnabled(m_model.isStartEnabled());
    m_command4->setText(m_model.pauseCaption());
    if (m_text1->text() != m_model.paceText()) {
        m_text1->setText(m_model.paceText());
    }
    m_label1->setText(m_model.lastDraw() < 0 ? QString() : QString::number(m_model.lastDraw()));
    Colours::setBackColour(m_label1, colourOfDraw(m_model.lastDraw()));

    if (m_timer1->interval() != m_model.interval()) {
        m_timer1->setInterval(m_model.interval());
    }
    if (m_model.isTimerEnabled() && !m_timer1->isActive()) {
        m_timer1->start();
    } else if (!m_model.isTimerEnabled() && m_timer1->isActive()) {
        m_timer1->stop();
    }

    const QSize outer = m_model.isRunning() ? RunningSize : IdleSize;
    Twips::setClientSizeFromOuter(this, outer.width(), outer.height(), Twips::Frame::Window);
}
