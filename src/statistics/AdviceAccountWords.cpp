// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/AdviceAccountWords.h"

#include "statistics/AdviceAccountTexts.h"
#include "statistics/StatisticsWords.h"

namespace AdviceAccountWords {

namespace {

using StatisticsWords::decimal;

QString whole(std::int64_t value)
{
    return decimal(static_cast<double>(value), 0);
}

QString percent(double share)
{
    return AdviceAccountTexts::percent().arg(decimal(100.0 * share, 1));
}

} // namespace

QString cell(const AdviceAccount::Figures& figures, Column column)
{
    const bool played = figures.bets > 0;
    switch (column) {
    case Column::Bets:
        return whole(figures.bets);
    case Column::Stakes:
        return whole(figures.stakes);
    case Column::Won:
        return whole(figures.won);
    case Column::WinRate:
        return played ? percent(figures.winRate()) : QString();
    case Column::ChanceRate:
        return played ? percent(figures.chanceRate()) : QString();
    case Column::Result:
        return StatisticsWords::gap(figures.result);
    case Column::Expected:
        return StatisticsWords::gap(figures.expected);
    case Column::Gap:
        return played ? StatisticsWords::gap(figures.gap()) : QString();
    case Column::LongestLosingRun:
        return whole(figures.longestLosingRun);
    case Column::WorstDrawdown:
        break;
    }
    return decimal(figures.worstDrawdown, 1);
}

QString verdict(const AdviceAccount& account)
{
    const AdviceAccount::Figures& all = account.figures(AdviceAccount::Row::All);
    const int drawCount = account.draws();
    const QString draws = StatisticsWords::count(drawCount);
    if (all.stakes == 0) {
        return AdviceAccountTexts::nothingPlayed(drawCount).arg(draws);
    }
    const double stakes = static_cast<double>(all.stakes);
    const double share = 100.0 * all.result / stakes;
    const double expected = 100.0 * all.expected / stakes;
    const QString gap = StatisticsWords::gap(all.gap());
    const bool unusual = all.p() < StatisticsModel::UnusualBelow;
    // Written as a gain when it brought something, as a cost otherwise.
    const bool gain = all.result > 0.0;
    const QString part = gain ? decimal(share, 1) : decimal(all.result < 0.0 ? -share : 0.0, 1);
    const QString expectedPart = gain ? StatisticsWords::gap(expected) : decimal(-expected, 1);
    if (unusual) {
        const QString text
            = gain ? AdviceAccountTexts::unusualGain(drawCount) : AdviceAccountTexts::unusualCost(drawCount);
        return text.arg(draws, part, expectedPart, gap, StatisticsWords::pValue(all.p()));
    }
    const QString text = gain ? AdviceAccountTexts::gain(drawCount) : AdviceAccountTexts::cost(drawCount);
    return text.arg(draws, part, expectedPart, gap);
}

QString price()
{
    return AdviceAccountTexts::price().arg(decimal(100.0 * StatisticsModel::houseEdge(), 2),
        decimal(100.0 * StatisticsModel::evenChanceHouseEdge(), 2));
}

} // namespace AdviceAccountWords
