// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/NumbersChart.h"

#include "platform/Language.h"
#include "platform/Widgets.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/StatisticsWords.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QHelpEvent>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>

namespace {

// The chart's colours, by NumberColour: green, red, black.
const QColor BarColours[3] = {QColor(0x1b, 0x7a, 0x3d), QColor(0xc6, 0x28, 0x28), QColor(0x21, 0x21, 0x21)};
// The band lies on the white plot under the bars: its light blue is opaque, as a shade of
// 0x4a7dc9 over white would look, and fills without blending.
const QColor BandColour(0xd5, 0xe0, 0xf2);
const QColor BandEdgeColour(0x4a, 0x7d, 0xc9);
const QColor ExpectedColour(0x1f, 0x4e, 0x96);

// The line and the band run from the left edge of the first bar to the right edge of the last.
constexpr qreal LeftEdge = -0.5;
constexpr qreal RightEdge = Roulette::NumberCount - 0.5;

// A round top for the hits axis a little above the highest value, and its step: 1, 2 or 5
// times a power of ten, about five steps in all.
std::pair<double, double> roundTop(double highest)
{
    const double wanted = std::max(5.0, highest * 1.08);
    const double magnitude = std::pow(10.0, std::floor(std::log10(wanted / 5.0)));
    double step = magnitude;
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        step = std::max(1.0, factor * magnitude);
        if (wanted / step <= 6.0) {
            break;
        }
    }
    return {std::ceil(wanted / step) * step, step};
}

} // namespace

// Made with its chart: a chart view made without one makes a default chart of its own, which
// setChart() would leave behind, never deleted.
NumbersChart::NumbersChart(QWidget* parent)
    : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("NumbersChart"));
    m_drawsSince.fill(StatisticsModel::NeverDrawn);

    QChart* chart = this->chart();
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The band first, under the bars; the expected line last, above them.
    m_bandArea = new QAreaSeries;
    m_bandHigh = new QLineSeries(m_bandArea);
    m_bandLow = new QLineSeries(m_bandArea);
    m_bandHigh->append({QPointF(LeftEdge, 0), QPointF(RightEdge, 0)});
    m_bandLow->append({QPointF(LeftEdge, 0), QPointF(RightEdge, 0)});
    m_bandArea->setUpperSeries(m_bandHigh);
    m_bandArea->setLowerSeries(m_bandLow);
    m_bandArea->setName(StatisticsTexts::bandLegend());
    m_bandArea->setBrush(BandColour);
    m_bandArea->setPen(Qt::NoPen);
    chart->addSeries(m_bandArea);

    m_bars = new QStackedBarSeries;
    m_bars->setBarWidth(0.78);
    for (std::size_t colour = 0; colour < m_colourSets.size(); ++colour) {
        auto* set = new QBarSet(QString());
        set->setColor(BarColours[colour]);
        set->setPen(Qt::NoPen); // a bar is a plain fill, the cheapest thing to repaint
        for (int place = 0; place < Places; ++place) {
            set->append(0.0);
        }
        m_bars->append(set);
        m_colourSets[colour] = set;
    }
    chart->addSeries(m_bars);

    // The band's edges again, over the bars, where the bars would hide the shading.
    for (std::size_t edge = 0; edge < m_bandEdges.size(); ++edge) {
        m_bandEdges[edge] = new QLineSeries;
        m_bandEdges[edge]->append({QPointF(LeftEdge, 0), QPointF(RightEdge, 0)});
        m_bandEdges[edge]->setPen(QPen(BandEdgeColour, 0));
        chart->addSeries(m_bandEdges[edge]);
    }

    m_expectedLine = new QLineSeries;
    m_expectedLine->append({QPointF(LeftEdge, 0), QPointF(RightEdge, 0)});
    m_expectedLine->setName(StatisticsTexts::expectedLegend());
    m_expectedLine->setPen(QPen(ExpectedColour, 2));
    chart->addSeries(m_expectedLine);

    m_numbersAxis = new QBarCategoryAxis;
    m_numbersAxis->setGridLineVisible(false);
    QFont numbersFont = m_numbersAxis->labelsFont();
    numbersFont.setPointSizeF(8.0);
    m_numbersAxis->setLabelsFont(numbersFont);
    // Qt Charts shortens a category's label to "…" once it is wider than its share of the
    // axis less some padding: the chart never gets narrower than 37 two-digit numbers need.
    const int perNumber = QFontMetrics(numbersFont).horizontalAdvance(QStringLiteral("00")) + 10;
    setMinimumSize(perNumber * (Places + 1) + 80, 240);
    m_hitsAxis = new QValueAxis;
    // Counts as the program's language writes them: "3 000" in French, "3,000" in English. Qt
    // Charts reads a localised format only with a precision.
    m_hitsAxis->setLabelFormat(QStringLiteral("%.0i"));
    chart->setLocalizeNumbers(true);
    chart->setLocale(Language::locale());
    // The band and the expected line are the chart's reference lines. Horizontal grid lines
    // would be redrawn a pixel at a time across the whole plot whenever a bar moves.
    m_hitsAxis->setGridLineVisible(false);
    m_hitsAxis->setTitleText(StatisticsTexts::hitsAxis());
    chart->addAxis(m_numbersAxis, Qt::AlignBottom);
    chart->addAxis(m_hitsAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(m_numbersAxis);
        series->attachAxis(m_hitsAxis);
    }
    // The colours of the bars speak for themselves; the edge lines belong to the band.
    for (QAbstractSeries* unnamed : {static_cast<QAbstractSeries*>(m_bars),
             static_cast<QAbstractSeries*>(m_bandEdges[0]), static_cast<QAbstractSeries*>(m_bandEdges[1])}) {
        for (QLegendMarker* marker : chart->legend()->markers(unnamed)) {
            marker->setVisible(false);
        }
    }
    // Thin lines as cosmetic pens: Qt measures a wider line's outline again at every repaint.
    for (QAbstractAxis* axis :
        {static_cast<QAbstractAxis*>(m_numbersAxis), static_cast<QAbstractAxis*>(m_hitsAxis)}) {
        QPen line = axis->linePen();
        line.setWidth(0);
        axis->setLinePen(line);
    }
    setOptimizationFlag(QGraphicsView::DontAdjustForAntialiasing, true); // nothing is antialiased
    setOrder(Order::Wheel);
    connect(chart, &QChart::plotAreaChanged, this, &NumbersChart::showExactly);
}

void NumbersChart::setOrder(Order order)
{
    m_order = order;
    QStringList categories;
    for (int place = 0; place < Places; ++place) {
        const int number = numberAt(place);
        m_place[static_cast<std::size_t>(number)] = place;
        categories << StatisticsWords::count(number);
    }
    m_numbersAxis->setCategories(categories);
    m_numbersAxis->setTitleText(
        order == Order::Wheel ? StatisticsTexts::wheelAxis() : StatisticsTexts::tableAxis());
    for (QBarSet* set : m_colourSets) {
        for (int place = 0; place < Places; ++place) {
            set->replace(place, 0.0);
        }
    }
    for (int number = 0; number < Places; ++number) {
        showBar(number);
    }
    describe();
}

int NumbersChart::numberAt(int place) const
{
    return m_order == Order::Wheel ? Roulette::wheelOrder()[static_cast<std::size_t>(place)] : place;
}

void NumbersChart::showBar(int number)
{
    const auto index = static_cast<std::size_t>(number);
    const auto colour = static_cast<std::size_t>(Roulette::colourOf(number));
    m_drawnHits[index] = m_hits[index];
    m_colourSets[colour]->replace(m_place[index], m_drawnHits[index]);
}

void NumbersChart::showExactly()
{
    for (int number = 0; number < Places; ++number) {
        if (m_drawnHits[static_cast<std::size_t>(number)] != m_hits[static_cast<std::size_t>(number)]) {
            showBar(number);
        }
    }
    if (m_drawnExpected != m_expected) {
        m_drawnExpected = m_expected;
        m_expectedLine->replace(0, LeftEdge, m_expected);
        m_expectedLine->replace(1, RightEdge, m_expected);
    }
}

// Qt Charts lays out and repaints the whole series for one changed bar: at 100,000 draws a
// hit is a fifteenth of a pixel, and most entries move nothing on the screen.
bool NumbersChart::movesAPixel(double shown, double value) const
{
    const double pixelsPerHit = chart()->plotArea().height() * devicePixelRatioF() / m_top;
    if (!(pixelsPerHit > 0.0) || !isVisible()) {
        return shown != value;
    }
    return std::lround(shown * pixelsPerHit) != std::lround(value * pixelsPerHit);
}

void NumbersChart::refresh(const StatisticsModel& model)
{
    int highest = 0;
    for (int number = 0; number < Places; ++number) {
        const auto index = static_cast<std::size_t>(number);
        const int hits = model.hits(number);
        highest = std::max(highest, hits);
        m_drawsSince[index] = model.drawsSince(number);
        m_hits[index] = hits;
    }
    m_expected = model.expectedHits();
    const StatisticsModel::Band band = model.band();
    if (band.low != m_band.low || band.high != m_band.high) {
        m_band = band;
        m_bandHigh->replace(0, LeftEdge, band.high);
        m_bandHigh->replace(1, RightEdge, band.high);
        m_bandLow->replace(0, LeftEdge, band.low);
        m_bandLow->replace(1, RightEdge, band.low);
        m_bandEdges[0]->replace(0, LeftEdge, band.low);
        m_bandEdges[0]->replace(1, RightEdge, band.low);
        m_bandEdges[1]->replace(0, LeftEdge, band.high);
        m_bandEdges[1]->replace(1, RightEdge, band.high);
    }
    const auto [top, step] = roundTop(std::max<double>(highest, band.high));
    if (top != m_top) {
        m_top = top;
        m_hitsAxis->setRange(0.0, top);
        m_hitsAxis->setTickCount(static_cast<int>(top / step) + 1);
        showExactly();
    } else {
        for (int number = 0; number < Places; ++number) {
            const auto index = static_cast<std::size_t>(number);
            if (movesAPixel(m_drawnHits[index], m_hits[index])) {
                showBar(number);
            }
        }
        if (movesAPixel(m_drawnExpected, m_expected)) {
            m_drawnExpected = m_expected;
            m_expectedLine->replace(0, LeftEdge, m_expected);
            m_expectedLine->replace(1, RightEdge, m_expected);
        }
    }
    describe();
}

QString NumbersChart::tipAt(int place) const
{
    const int number = numberAt(place);
    const auto index = static_cast<std::size_t>(number);
    return StatisticsWords::numberTip(number, m_hits[index], m_expected, m_drawsSince[index]);
}

// Screen readers get the whole chart as text: every number with its hits, in the order shown.
void NumbersChart::describe()
{
    QStringList numbers;
    for (int place = 0; place < Places; ++place) {
        const int number = numberAt(place);
        numbers << StatisticsTexts::describedNumber().arg(
            StatisticsWords::count(number), StatisticsWords::count(m_hits[static_cast<std::size_t>(number)]));
    }
    const QString description = m_order == Order::Wheel ? StatisticsTexts::wheelChartDescription()
                                                        : StatisticsTexts::tableChartDescription();
    describeForScreenReaders(this, StatisticsTexts::chartName(),
        description.arg(numbers.join(StatisticsTexts::describedNumbersSeparator()),
            StatisticsWords::decimal(m_expected, 1), StatisticsWords::count(m_band.low),
            StatisticsWords::count(m_band.high)));
}

QPixmap NumbersChart::picture()
{
    showExactly();
    return grab();
}

int NumbersChart::placeUnder(const QPoint& viewportPosition) const
{
    const QPointF inChart = chart()->mapFromScene(mapToScene(viewportPosition));
    if (!chart()->plotArea().contains(inChart)) {
        return -1;
    }
    const int place = static_cast<int>(std::lround(chart()->mapToValue(inChart, m_bars).x()));
    return place >= 0 && place < Places ? place : -1;
}

// Pointing anywhere in a number's column tells its figures, a bar of no hits included.
bool NumbersChart::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int place = placeUnder(help->pos());
        if (place < 0) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(help->globalPos(), tipAt(place), viewport());
        }
        return true;
    }
    return QChartView::viewportEvent(event);
}
