// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/AdviceAccountWindow.h"

#include "platform/Language.h"
#include "platform/Widgets.h"
#include "statistics/AdviceAccountTexts.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

using Row = AdviceAccount::Row;

// One colour per row of the table, told apart by readers with common colour blindness.
const QColor RowColours[AdviceAccount::RowCount] = {QColor(0x00, 0x72, 0xb2), QColor(0xe6, 0x9f, 0x00),
    QColor(0x56, 0xb4, 0xe9), QColor(0xcc, 0x79, 0xa7), QColor(0x21, 0x21, 0x21), QColor(0xd5, 0x5e, 0x00)};
const QColor ExpectedColour(0x1b, 0x6e, 0x34);

// A round step for an axis spanning `span`: 1, 2 or 5 times a power of ten, at most six steps.
double roundStep(double span)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(span, 1.0) / 6.0)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (span / (factor * magnitude) <= 6.0) {
            return std::max(1.0, factor * magnitude);
        }
    }
    return std::max(1.0, 10.0 * magnitude);
}

// An axis's ends on whole steps around [low, high], and how many ticks that makes.
void placeAxis(QValueAxis* axis, double low, double high)
{
    const double step = roundStep(high - low);
    const double from = std::floor(low / step) * step;
    const double to = std::max(from + step, std::ceil(high / step) * step);
    const int ticks = static_cast<int>(std::lround((to - from) / step)) + 1;
    // A new axis already spans 0 to 1, with five ticks: whole numbers would repeat on them.
    if (axis->min() != from || axis->max() != to || axis->tickCount() != ticks) {
        axis->setRange(from, to);
        axis->setTickCount(ticks);
    }
}

QFont bold(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

AdviceAccountWindow::AdviceAccountWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("AdviceAccountWindow"));
    setWindowTitle(AdviceAccountTexts::caption());
    buildTable();
    buildChart();

    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("Verdict"));
    m_verdict->setFont(bold(font()));
    m_price = new QLabel(AdviceAccountWords::price(), this);
    m_price->setObjectName(QStringLiteral("Price"));
    for (QLabel* label : {m_verdict, m_price}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_copy = new QPushButton(AdviceAccountTexts::copy(), this);
    m_copy->setObjectName(QStringLiteral("Copy"));
    m_copy->setAutoDefault(false);
    connect(m_copy, &QPushButton::clicked, this, &AdviceAccountWindow::copyToClipboard);

    auto* view = new QChartView(m_chart, this);
    view->setObjectName(QStringLiteral("AccountChart"));
    view->setMinimumHeight(240);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_copy);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(view, 1);
    layout->addWidget(m_verdict);
    layout->addWidget(m_price);
    layout->addLayout(buttons);
    closeOnEscape(this);
    refresh(AdviceAccount());
    resize(std::max(m_table->width() + 24, 900), 720);
}

void AdviceAccountWindow::buildTable()
{
    m_table = new QTableWidget(AdviceAccount::RowCount, AdviceAccountWords::ColumnCount, this);
    m_table->setObjectName(QStringLiteral("Account"));
    m_table->setAccessibleName(AdviceAccountTexts::caption());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setToolTip(AdviceAccountTexts::unitsTip());

    QStringList rows;
    for (int row = 0; row < AdviceAccount::RowCount; ++row) {
        rows << AdviceAccountTexts::rowName(row);
    }
    m_table->setVerticalHeaderLabels(rows);
    m_table->verticalHeaderItem(static_cast<int>(Row::EvenChancesProgression))
        ->setToolTip(AdviceAccountTexts::progressionTip());
    QHeaderView* across = m_table->horizontalHeader();
    QHeaderView* down = m_table->verticalHeader();
    down->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    down->setSectionResizeMode(QHeaderView::Fixed);
    down->setDefaultSectionSize(fontMetrics().height() + 5);
    across->setSectionResizeMode(QHeaderView::Fixed);
    // Long headers go on two lines; every column holds a long game's figures.
    across->setDefaultAlignment(Qt::AlignCenter | Qt::Alignment(Qt::TextWordWrap));
    const QFontMetrics metrics(across->font());
    const int widestFigure = metrics.horizontalAdvance(QStringLiteral("−100 000,0"));
    QStringList headers;
    for (int column = 0; column < AdviceAccountWords::ColumnCount; ++column) {
        const QString header = AdviceAccountTexts::header(column);
        headers << header;
        int widestWord = 0;
        for (const QString& word : header.split(QLatin1Char(' '))) {
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
        }
        const int oneLine = metrics.horizontalAdvance(header);
        m_table->setColumnWidth(column,
            std::max(widestFigure, oneLine <= widestFigure + 40 ? oneLine : std::max(widestWord, oneLine / 2))
                + 16);
        for (int row = 0; row < AdviceAccount::RowCount; ++row) {
            QTableWidgetItem* item = makeFigureCell();
            m_table->setItem(row, column, item);
            m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = item;
        }
    }
    m_table->setHorizontalHeaderLabels(headers);
    across->setFixedHeight(2 * metrics.lineSpacing() + 8);
    // All the advice stands out: it is the row the sentence below speaks of.
    for (QTableWidgetItem* item : m_cells[static_cast<std::size_t>(Row::All)]) {
        item->setFont(bold(item->font()));
    }
    const int frame = 2 * m_table->frameWidth();
    m_table->setFixedSize(
        down->sizeHint().width() + across->length() + frame, across->height() + down->length() + frame);
}

void AdviceAccountWindow::buildChart()
{
    m_chart = new QChart;
    m_chart->setTitle(AdviceAccountTexts::chartName());
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    // Figures on the axes as in the table: 200 000 rather than 200000 in French, 200,000 in English.
    m_chart->setLocale(Language::locale());
    m_chart->setLocalizeNumbers(true);
    m_drawsAxis = new QValueAxis(m_chart);
    m_drawsAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_drawsAxis->setTitleText(AdviceAccountTexts::drawsAxis());
    m_unitsAxis = new QValueAxis(m_chart);
    m_unitsAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_unitsAxis->setTitleText(AdviceAccountTexts::unitsAxis());
    m_chart->addAxis(m_drawsAxis, Qt::AlignBottom);
    m_chart->addAxis(m_unitsAxis, Qt::AlignLeft);
    for (int row = 0; row < AdviceAccount::RowCount; ++row) {
        auto* series = new QLineSeries;
        series->setName(AdviceAccountTexts::rowName(row));
        series->setPen(QPen(RowColours[row], row == static_cast<int>(Row::All) ? 2 : 1));
        m_series[static_cast<std::size_t>(row)] = series;
    }
    m_expected = new QLineSeries;
    m_expected->setName(AdviceAccountTexts::expectedLegend());
    m_expected->setPen(QPen(ExpectedColour, 2, Qt::DashLine));
    for (QLineSeries* series : m_series) {
        m_chart->addSeries(series);
    }
    m_chart->addSeries(m_expected);
    for (QAbstractSeries* series : m_chart->series()) {
        series->attachAxis(m_drawsAxis);
        series->attachAxis(m_unitsAxis);
    }
}

void AdviceAccountWindow::refresh(const AdviceAccount& account)
{
    for (int row = 0; row < AdviceAccount::RowCount; ++row) {
        const AdviceAccount::Figures& figures = account.figures(static_cast<Row>(row));
        for (int column = 0; column < AdviceAccountWords::ColumnCount; ++column) {
            const QString text
                = AdviceAccountWords::cell(figures, static_cast<AdviceAccountWords::Column>(column));
            showFigure(m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)], text);
        }
    }
    const QString verdict = AdviceAccountWords::verdict(account);
    if (verdict != m_verdict->text()) {
        m_verdict->setText(verdict);
    }
    refreshChart(account);
}

// After one entry at most one point joins each line; the lines are drawn afresh only when
// the account spread its points anew or the game changed otherwise.
void AdviceAccountWindow::refreshChart(const AdviceAccount& account)
{
    const std::vector<AdviceAccount::Point>& points = account.points();
    // The same game gone on: its last point shown is still there, as it was.
    const auto same = [](const AdviceAccount::Point& a, const AdviceAccount::Point& b) {
        return a.draw == b.draw && a.results == b.results && a.expectedOfAll == b.expectedOfAll;
    };
    const bool goesOn = account.pointGeneration() == m_shownGeneration && points.size() >= m_shownPoints
        && (m_shownPoints == 0 ? m_lastShown.draw == 0 : same(points[m_shownPoints - 1], m_lastShown));
    if (!goesOn) {
        for (std::size_t row = 0; row < m_series.size(); ++row) {
            QList<QPointF> line;
            line.reserve(static_cast<qsizetype>(points.size()) + 1);
            line.append(QPointF(0, 0));
            for (const AdviceAccount::Point& point : points) {
                line.append(QPointF(point.draw, point.results[row]));
            }
            m_series[row]->replace(line);
        }
        QList<QPointF> expected{QPointF(0, 0)};
        for (const AdviceAccount::Point& point : points) {
            expected.append(QPointF(point.draw, point.expectedOfAll));
        }
        m_expected->replace(expected);
    } else {
        for (std::size_t index = m_shownPoints; index < points.size(); ++index) {
            const AdviceAccount::Point& point = points[index];
            for (std::size_t row = 0; row < m_series.size(); ++row) {
                m_series[row]->append(point.draw, point.results[row]);
            }
            m_expected->append(point.draw, point.expectedOfAll);
        }
    }
    m_shownGeneration = account.pointGeneration();
    m_shownPoints = points.size();
    m_lastShown = points.empty() ? AdviceAccount::Point() : points.back();
    placeAxis(m_drawsAxis, 0.0, std::max(1, m_lastShown.draw));
    placeAxis(m_unitsAxis, account.lowest(), account.highestOfAll());
}

void AdviceAccountWindow::copyToClipboard()
{
    QString text = m_verdict->text() + QLatin1Char('\n') + m_price->text() + QLatin1Char('\n');
    QString table = AdviceAccountTexts::corner();
    for (int column = 0; column < AdviceAccountWords::ColumnCount; ++column) {
        table += QLatin1Char('\t') + m_table->horizontalHeaderItem(column)->text();
    }
    table += QLatin1Char('\n');
    for (int row = 0; row < AdviceAccount::RowCount; ++row) {
        table += m_table->verticalHeaderItem(row)->text();
        for (const QTableWidgetItem* cell : m_cells[static_cast<std::size_t>(row)]) {
            table += QLatin1Char('\t') + cell->text();
        }
        table += QLatin1Char('\n');
    }
    QGuiApplication::clipboard()->setText(table + text);
}
