// SPDX-License-Identifier: GPL-3.0-or-later
// The "Bilan des conseils" window: what following each advice would have won or lost, in a
// table, a chart of the running results against what the game takes, and one honest
// sentence. A normal window the player moves, resizes and closes; it mirrors an
// AdviceAccount and is refreshed after every change of the game while it shows.
#pragma once

#include "statistics/AdviceAccount.h"
#include "statistics/AdviceAccountWords.h"

#include <QWidget>
#include <array>

class QChart;
class QLabel;
class QLineSeries;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;
class QValueAxis;

class AdviceAccountWindow : public QWidget
{
    Q_OBJECT

public:
    // With a parent, still a window of its own, kept above ordinary windows.
    explicit AdviceAccountWindow(QWidget* parent = nullptr);

    // Shows what the account now holds, changing only what moved.
    void refresh(const AdviceAccount& account);

public slots:
    void copyToClipboard(); // "Copier"

private:
    void buildTable();
    void buildChart();
    void refreshChart(const AdviceAccount& account);

    QTableWidget* m_table = nullptr;
    std::array<std::array<QTableWidgetItem*, AdviceAccountWords::ColumnCount>, AdviceAccount::RowCount>
        m_cells{};
    QChart* m_chart = nullptr;
    std::array<QLineSeries*, AdviceAccount::RowCount> m_series{};
    QLineSeries* m_expected = nullptr;
    QValueAxis* m_drawsAxis = nullptr;
    QValueAxis* m_unitsAxis = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_price = nullptr;
    QPushButton* m_copy = nullptr;
    // What the chart shows: the account's first points, up to the last one drawn.
    int m_shownGeneration = -1;
    std::size_t m_shownPoints = 0;
    AdviceAccount::Point m_lastShown;
};
