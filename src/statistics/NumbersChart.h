// SPDX-License-Identifier: GPL-3.0-or-later
// The hits of the 37 numbers in one bar chart, each bar in its number's colour, with the
// expected count and the band chance keeps one number in 95 % of the time. Refreshed in
// place: a new draw moves one bar, the line and the band, and nothing is rebuilt.
#pragma once

#include "statistics/StatisticsModel.h"

#include <QChartView>
#include <array>

class QAreaSeries;
class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QStackedBarSeries;
class QValueAxis;

class NumbersChart : public QChartView
{
    Q_OBJECT

public:
    enum class Order { Wheel, Table };

    explicit NumbersChart(QWidget* parent = nullptr);

    void refresh(const StatisticsModel& model);
    void setOrder(Order order);
    Order order() const { return m_order; }

    // The number shown at a place along the axis, and what pointing at its bar tells.
    int numberAt(int place) const;
    QString tipAt(int place) const;

    // The chart as it stands, every bar at its exact count.
    QPixmap picture();

protected:
    bool viewportEvent(QEvent* event) override;

private:
    static constexpr int Places = Roulette::NumberCount;

    void showBar(int number);
    // Bars and lines follow the counts to the pixel: a change too small to move one is kept
    // for the next, and everything is shown exactly whenever the scale changes.
    void showExactly();
    bool movesAPixel(double shown, double value) const;
    void describe();
    int placeUnder(const QPoint& viewportPosition) const;

    Order m_order = Order::Wheel;
    std::array<int, Places> m_place{}; // where each number stands on the axis

    // What the chart shows, kept so that a tooltip or a new order needs no model.
    std::array<int, Places> m_hits{};
    std::array<int, Places> m_drawnHits{}; // the bars' values, within a pixel of the hits
    std::array<int, Places> m_drawsSince{};
    double m_expected = 0.0;
    double m_drawnExpected = 0.0;
    StatisticsModel::Band m_band;
    double m_top = 0.0;

    std::array<QBarSet*, 3> m_colourSets{}; // green, red, black, as NumberColour counts them
    QStackedBarSeries* m_bars = nullptr;
    QLineSeries* m_expectedLine = nullptr;
    QLineSeries* m_bandHigh = nullptr;
    QLineSeries* m_bandLow = nullptr;
    QAreaSeries* m_bandArea = nullptr;
    std::array<QLineSeries*, 2> m_bandEdges{}; // low, high
    QBarCategoryAxis* m_numbersAxis = nullptr;
    QValueAxis* m_hitsAxis = nullptr;
};
