// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsWindow.h"

#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "statistics/ChancesTable.h"
#include "statistics/NumbersChart.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/StatisticsWords.h"
#include "statistics/SteadyText.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

// The verdict's colour: neutral while too few draws, green for chance, amber for a gap.
const QColor VerdictColours[3]
    = {QColor(0x50, 0x50, 0x50), QColor(0x1b, 0x6e, 0x34), QColor(0xa3, 0x4a, 0x00)};

void colourVerdict(QLabel* label, StatisticsModel::Verdict verdict)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, VerdictColours[static_cast<int>(verdict)]);
    label->setPalette(palette);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString longestVerdict()
{
    using Verdict = StatisticsModel::Verdict;
    QString longest;
    for (const QString& verdict :
        {StatisticsWords::verdict(Verdict::NotEnoughDraws, StatisticsModel::MinimumDraws - 1, 1.0),
            StatisticsWords::verdict(Verdict::NothingAbnormal, 0, 0.0099999),
            StatisticsWords::verdict(Verdict::Unusual, 0, 0.0099)}) {
        longest = verdict.size() > longest.size() ? verdict : longest;
    }
    return longest;
}

QFont bold(QFont font, qreal scale = 1.0)
{
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

QLabel* makeHeading(QWidget* parent, const QString& text)
{
    auto* heading = new QLabel(text, parent);
    heading->setFont(bold(heading->font(), 1.15));
    return heading;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(StatisticsTexts::caption());
    // Kept above the board without taking the focus from it: its bars tell their figures
    // even while the board is the active window.
    setAttribute(Qt::WA_AlwaysShowToolTips, true);
    buildControls();
    closeOnEscape(this);
    refresh(StatisticsModel());
    resize(1000, 720);
}

void StatisticsWindow::buildControls()
{
    auto* order = new QHBoxLayout;
    order->addWidget(new QLabel(StatisticsTexts::orderLabel(), this));
    m_wheelOrder = new QRadioButton(StatisticsTexts::wheelOrder(), this);
    m_wheelOrder->setObjectName(QStringLiteral("WheelOrder"));
    m_wheelOrder->setChecked(true);
    m_tableOrder = new QRadioButton(StatisticsTexts::tableOrder(), this);
    m_tableOrder->setObjectName(QStringLiteral("TableOrder"));
    order->addWidget(m_wheelOrder);
    order->addWidget(m_tableOrder);
    order->addStretch(1);

    m_chart = new NumbersChart(this);
    connect(m_wheelOrder, &QRadioButton::clicked, m_chart,
        [this] { m_chart->setOrder(NumbersChart::Order::Wheel); });
    connect(m_tableOrder, &QRadioButton::clicked, m_chart,
        [this] { m_chart->setOrder(NumbersChart::Order::Table); });

    m_chances = new ChancesTable(this);

    // The test's lines change after every entry: they keep the room of their longest texts.
    auto* test = new SteadyColumn(this);
    auto* chiSquare = new SteadyLabel(StatisticsWords::chiSquareLine(9999.9, 999999), test);
    chiSquare->setObjectName(QStringLiteral("ChiSquare"));
    chiSquare->setFont(bold(font()));
    auto* verdict = new SteadyLabel(longestVerdict(), test);
    verdict->setObjectName(QStringLiteral("Verdict"));
    verdict->setFont(bold(font(), 1.1));
    colourVerdict(verdict, m_shownVerdict);
    auto* beneath = new SteadyLabel(StatisticsTexts::beneath(), test);
    beneath->setObjectName(QStringLiteral("Beneath"));
    beneath->setText(StatisticsTexts::beneath());
    for (SteadyLabel* label : {chiSquare, verdict, beneath}) {
        test->add(label);
    }
    m_chiSquare = chiSquare;
    m_verdict = verdict;
    m_beneath = beneath;

    // The rows chance hardly explains, said in words: none most of the time.
    m_unusualChances = makeLabel(this, QStringLiteral("UnusualChances"));
    QPalette unusualPalette = m_unusualChances->palette();
    unusualPalette.setColor(
        QPalette::WindowText, VerdictColours[static_cast<int>(StatisticsModel::Verdict::Unusual)]);
    m_unusualChances->setPalette(unusualPalette);
    m_unusualChances->hide();

    m_houseEdge = makeLabel(this, QStringLiteral("HouseEdge"), StatisticsWords::houseEdgeLine());
    m_losingStreak = makeLabel(this, QStringLiteral("LosingStreak"), StatisticsWords::losingStreakLine());

    m_copy = new QPushButton(StatisticsTexts::copy(), this);
    m_copy->setObjectName(QStringLiteral("Copy"));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &StatisticsWindow::copyToClipboard);
    m_saveImage = new QPushButton(StatisticsTexts::saveImage(), this);
    m_saveImage->setObjectName(QStringLiteral("SaveImage"));
    m_saveImage->setAutoDefault(false);
    connect(m_saveImage, &QPushButton::clicked, this, &StatisticsWindow::chooseImageFile);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_saveImage);

    auto* chances = new QVBoxLayout;
    chances->addWidget(makeHeading(this, StatisticsTexts::chancesTitle()));
    chances->addWidget(m_chances);
    chances->addStretch(1);

    auto* side = new QVBoxLayout;
    side->addWidget(makeHeading(this, StatisticsTexts::testTitle()));
    side->addWidget(test);
    side->addWidget(m_unusualChances);
    side->addSpacing(fontMetrics().height());
    side->addWidget(makeHeading(this, StatisticsTexts::priceTitle()));
    side->addWidget(m_houseEdge);
    side->addWidget(m_losingStreak);
    side->addStretch(1);
    side->addLayout(buttons);

    auto* lower = new QHBoxLayout;
    lower->addLayout(chances);
    lower->addSpacing(fontMetrics().height());
    lower->addLayout(side, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(order);
    layout->addWidget(m_chart, 1);
    layout->addLayout(lower);
}

void StatisticsWindow::refresh(const StatisticsModel& model)
{
    m_chart->refresh(model);
    m_chiSquare->setText(StatisticsWords::chiSquareLine(model));
    m_verdict->setText(StatisticsWords::verdict(model));
    if (model.verdict() != m_shownVerdict) {
        m_shownVerdict = model.verdict();
        colourVerdict(m_verdict, m_shownVerdict);
    }
    m_chances->refresh(model);
    const QString unusual = StatisticsWords::unusualChances(model).join(QLatin1Char('\n'));
    if (unusual != m_unusualChances->text()) {
        m_unusualChances->setText(unusual);
        m_unusualChances->setVisible(!unusual.isEmpty());
    }
}

void StatisticsWindow::copyToClipboard()
{
    QGuiApplication::clipboard()->setText(m_chances->tabSeparated() + QLatin1Char('\n') + m_chiSquare->text()
        + QLatin1Char('\n') + m_verdict->text() + QLatin1Char('\n')
        + (m_unusualChances->text().isEmpty() ? QString() : m_unusualChances->text() + QLatin1Char('\n')));
}

void StatisticsWindow::chooseImageFile()
{
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QString path = QFileDialog::getSaveFileName(this, StatisticsTexts::saveTitle(),
        pictures.filePath(StatisticsTexts::SaveName), StatisticsTexts::saveFilter());
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".png");
    }
    saveImage(path);
}

bool StatisticsWindow::saveImage(const QString& path)
{
    const QFileInfo target(path);
    QString failure;
    if (!target.absoluteDir().exists()) {
        failure = StatisticsTexts::noFolder();
    } else {
        QSaveFile file(target.absoluteFilePath());
        if (!file.open(QIODevice::WriteOnly)) {
            failure = StatisticsTexts::folderReadOnly();
        } else if (!m_chart->picture().save(&file, "PNG") || !file.commit()) {
            failure = StatisticsTexts::writeFailed();
        }
    }
    if (failure.isEmpty()) {
        return true;
    }
    MessageBox::show(this, failure.arg(QDir::toNativeSeparators(target.absoluteFilePath())),
        MessageBox::OkOnly | MessageBox::Exclamation, StatisticsTexts::caption());
    return false;
}
