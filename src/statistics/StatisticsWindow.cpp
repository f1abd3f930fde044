#include "statistics/StatisticsWindow.h"

#include "platform/MessageBox.h"
#include "statistics/NumbersChart.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/StatisticsWords.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Column = StatisticsWords::ChanceColumn;
constexpr Column ShownColumns[]
    = {Column::Observed, Column::Expected, Column::Gap, Column::LongestRun, Column::UsualRun};

// The verdict's colour: neutral while too few draws, green for chance, amber for a gap.
const QString VerdictStyles[3] = {
    QStringLiteral("color: #505050;"),
    QStringLiteral("color: #1b6e34;"),
    QStringLiteral("color: #a34a00;"),
};

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& text = QString())
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QFont bold(QFont font, qreal scale = 1.0)
{
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

} // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("StatisticsWindow"));
    setWindowTitle(StatisticsTexts::Caption);
    buildControls();
    refresh(StatisticsModel());
    resize(1000, 760);
}

void StatisticsWindow::buildControls()
{
    auto* order = new QHBoxLayout;
    order->addWidget(new QLabel(StatisticsTexts::OrderLabel, this));
    m_wheelOrder = new QRadioButton(StatisticsTexts::WheelOrder, this);
    m_wheelOrder->setObjectName(QStringLiteral("WheelOrder"));
    m_wheelOrder->setChecked(true);
    m_tableOrder = new QRadioButton(StatisticsTexts::TableOrder, this);
    m_tableOrder->setObjectName(QStringLiteral("TableOrder"));
    order->addWidget(m_wheelOrder);
    order->addWidget(m_tableOrder);
    order->addStretch(1);

    m_chart = new NumbersChart(this);
    connect(m_wheelOrder, &QRadioButton::clicked, m_chart,
        [this] { m_chart->setOrder(NumbersChart::Order::Wheel); });
    connect(m_tableOrder, &QRadioButton::clicked, m_chart,
        [this] { m_chart->setOrder(NumbersChart::Order::Table); });

    // The table of chances: a real table, the chances as row headers for screen readers.
    auto* chancesBox = new QGroupBox(StatisticsTexts::ChancesTitle, this);
    m_chances = new QTableWidget(StatisticsModel::ChanceCount, DataColumns, chancesBox);
    m_chances->setObjectName(QStringLiteral("Chances"));
    m_chances->setAccessibleName(StatisticsTexts::ChancesTitle);
    m_chances->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_chances->setAlternatingRowColors(true);
    m_chances->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_chances->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QStringList headers;
    for (int column = 0; column < DataColumns; ++column) {
        headers << StatisticsTexts::ChanceHeaders[column + 1];
    }
    m_chances->setHorizontalHeaderLabels(headers);
    m_chances->horizontalHeaderItem(2)->setToolTip(StatisticsTexts::GapTip);
    m_chances->horizontalHeaderItem(4)->setToolTip(StatisticsTexts::UsualRunTip);
    QStringList names;
    for (const QString& name : StatisticsTexts::ChanceNames) {
        names << name;
    }
    m_chances->setVerticalHeaderLabels(names);
    m_chances->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_chances->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_chances->verticalHeader()->setDefaultSectionSize(m_chances->fontMetrics().height() + 8);
    m_chances->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    const QFontMetrics metrics(m_chances->horizontalHeader()->font());
    const int widestFigure = metrics.horizontalAdvance(QStringLiteral("100 000"));
    for (int column = 0; column < DataColumns; ++column) {
        m_chances->setColumnWidth(
            column, std::max(widestFigure, metrics.horizontalAdvance(headers[column])) + 24);
        for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            m_chances->setItem(row, column, item);
            m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = item;
        }
    }
    // The whole table shows at once: no scrolling, nothing cut.
    const int frame = 2 * m_chances->frameWidth();
    m_chances->setFixedSize(
        m_chances->verticalHeader()->sizeHint().width() + m_chances->horizontalHeader()->length() + frame,
        m_chances->horizontalHeader()->sizeHint().height() + m_chances->verticalHeader()->length() + frame);
    auto* chancesLayout = new QVBoxLayout(chancesBox);
    chancesLayout->addWidget(m_chances);

    auto* testBox = new QGroupBox(StatisticsTexts::TestTitle, this);
    m_chiSquare = makeLabel(testBox, QStringLiteral("ChiSquare"));
    m_chiSquare->setFont(bold(font()));
    m_verdict = makeLabel(testBox, QStringLiteral("Verdict"));
    m_verdict->setFont(bold(font(), 1.1));
    m_beneath = makeLabel(testBox, QStringLiteral("Beneath"), StatisticsTexts::Beneath);
    auto* testLayout = new QVBoxLayout(testBox);
    testLayout->addWidget(m_chiSquare);
    testLayout->addWidget(m_verdict);
    testLayout->addWidget(m_beneath);

    auto* priceBox = new QGroupBox(StatisticsTexts::PriceTitle, this);
    m_houseEdge = makeLabel(priceBox, QStringLiteral("HouseEdge"), StatisticsWords::houseEdgeLine());
    m_losingStreak = makeLabel(priceBox, QStringLiteral("LosingStreak"), StatisticsWords::losingStreakLine());
    auto* priceLayout = new QVBoxLayout(priceBox);
    priceLayout->addWidget(m_houseEdge);
    priceLayout->addWidget(m_losingStreak);

    m_copy = new QPushButton(StatisticsTexts::Copy, this);
    m_copy->setObjectName(QStringLiteral("Copy"));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &StatisticsWindow::copyToClipboard);
    m_saveImage = new QPushButton(StatisticsTexts::SaveImage, this);
    m_saveImage->setObjectName(QStringLiteral("SaveImage"));
    m_saveImage->setAutoDefault(false);
    connect(m_saveImage, &QPushButton::clicked, this, &StatisticsWindow::chooseImageFile);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_saveImage);

    auto* side = new QVBoxLayout;
    side->addWidget(testBox);
    side->addWidget(priceBox);
    side->addStretch(1);
    side->addLayout(buttons);

    auto* lower = new QHBoxLayout;
    lower->addWidget(chancesBox, 0, Qt::AlignTop);
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
    if (model.verdict() != m_shownVerdict || m_verdict->styleSheet().isEmpty()) {
        m_shownVerdict = model.verdict();
        m_verdict->setStyleSheet(VerdictStyles[static_cast<int>(m_shownVerdict)]);
    }
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        for (int column = 0; column < DataColumns; ++column) {
            setCell(row, column,
                StatisticsWords::chanceCell(model, StatisticsModel::chanceAt(row), ShownColumns[column]));
        }
    }
}

void StatisticsWindow::setCell(int row, int column, const QString& text)
{
    QTableWidgetItem* item = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
    if (item->text() != text) {
        item->setText(text);
    }
}

void StatisticsWindow::copyToClipboard()
{
    const QChar tab = QLatin1Char('\t');
    QString text = StatisticsTexts::ChanceHeaders[0];
    for (int column = 0; column < DataColumns; ++column) {
        text += tab + m_chances->horizontalHeaderItem(column)->text();
    }
    text += QLatin1Char('\n');
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        text += m_chances->verticalHeaderItem(row)->text();
        for (int column = 0; column < DataColumns; ++column) {
            text += tab + m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]->text();
        }
        text += QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + m_chiSquare->text() + QLatin1Char('\n') + m_verdict->text()
        + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

void StatisticsWindow::chooseImageFile()
{
    const QDir pictures(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    QString path = QFileDialog::getSaveFileName(this, StatisticsTexts::SaveTitle,
        pictures.filePath(StatisticsTexts::SaveName), StatisticsTexts::SaveFilter);
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
    QString reason;
    if (!target.absoluteDir().exists()) {
        reason = StatisticsTexts::NoFolder;
    } else {
        QSaveFile file(target.absoluteFilePath());
        if (!file.open(QIODevice::WriteOnly)) {
            reason = StatisticsTexts::FolderReadOnly;
        } else if (!m_chart->grab().save(&file, "PNG") || !file.commit()) {
            reason = StatisticsTexts::WriteFailed;
        }
    }
    if (reason.isEmpty()) {
        return true;
    }
    MessageBox::show(this,
        StatisticsTexts::SaveFailed.arg(QDir::toNativeSeparators(target.absoluteFilePath()), reason),
        MessageBox::OkOnly | MessageBox::Exclamation, StatisticsTexts::Caption);
    return false;
}
