// SPDX-License-Identifier: GPL-3.0-or-later
// The table of chances: for each chance its observed and expected counts and the gap in
// standard deviations with its p, and for the even chances the longest run seen and the usual one. A
// real table with the chances as row headers, so that a screen reader gives every figure
// with its row and its column.
#pragma once

#include "statistics/StatisticsModel.h"

#include <QTableWidget>
#include <array>

class ChancesTable : public QTableWidget
{
    Q_OBJECT

public:
    explicit ChancesTable(QWidget* parent);

    // Rewrites only the cells whose text changed.
    void refresh(const StatisticsModel& model);

    // The headers and every row, tab-separated, one row a line.
    QString tabSeparated() const;

private:
    static constexpr int Columns = 6;

    std::array<std::array<QTableWidgetItem*, Columns>, StatisticsModel::ChanceCount> m_cells{};
};
