// SPDX-License-Identifier: GPL-3.0-or-later
// The account of the advice in the program's words and figures: the cells of its table, the
// sentence about all the advice and the price of playing.
#pragma once

#include "statistics/AdviceAccount.h"

#include <QString>

namespace AdviceAccountWords {

// The columns of the table, after the row's name.
enum class Column {
    Bets,
    Stakes,
    Won,
    WinRate,
    ChanceRate,
    Result,
    Expected,
    Gap,
    LongestLosingRun,
    WorstDrawdown
};
constexpr int ColumnCount = 10;

QString cell(const AdviceAccount::Figures& figures, Column column);
// What following all the advice cost or brought, against what was expected.
QString verdict(const AdviceAccount& account);
// What no advice changes: the game's share of every stake.
QString price();

} // namespace AdviceAccountWords
