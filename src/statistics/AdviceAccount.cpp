// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/AdviceAccount.h"

#include <algorithm>
#include <bitset>
#include <cmath>

namespace {

using Row = AdviceAccount::Row;
constexpr double Numbers = Roulette::NumberCount;

// One unit on a side: it comes, +1; the other side, -1; the zero gives half the stake back.
constexpr double EvenChanceWin = 18.0 / Numbers;
constexpr double EvenChanceMean = -0.5 / Numbers;
constexpr double EvenChanceVariance = (36.0 + 0.25) / Numbers - EvenChanceMean * EvenChanceMean;

// One unit on each of two dozens (columns): one comes, +2 - 1; none, -2.
constexpr double TwoBoxesWin = 24.0 / Numbers;
constexpr double TwoBoxesMean = -2.0 / Numbers;
constexpr double TwoBoxesVariance = (24.0 * 1.0 + 13.0 * 4.0) / Numbers - TwoBoxesMean * TwoBoxesMean;

std::size_t at(Row row)
{
    return static_cast<std::size_t>(row);
}

} // namespace

double AdviceAccount::Figures::gap() const
{
    return variance > 0.0 ? (result - expected) / std::sqrt(variance) : 0.0;
}

void AdviceAccount::add(int number, const Advice& advice)
{
    if (!Roulette::isValidNumber(number)) {
        return;
    }
    if (m_pending) {
        const Advice& played = *m_pending;
        // Within a draw: rouge/noir, passe/manque, pair/impair, the dozens, the columns, the
        // numbers.
        for (std::size_t pair = 0; pair < played.evenChances.size(); ++pair) {
            if (!played.evenChances[pair]) {
                continue;
            }
            const bool won = StatisticsModel::contains(*played.evenChances[pair], number);
            const double unit = won ? 1.0 : (number == 0 ? -0.5 : -1.0);
            settle(Row::EvenChances, {1, unit, EvenChanceWin, EvenChanceMean, EvenChanceVariance});
            // Each pair climbs its own progression: one step up after a loss, back to the
            // first stake after a win or after the last step.
            int& step = m_progressionStep[pair];
            const std::int64_t stake = (std::int64_t{2} << step) - 1;
            const double squared = static_cast<double>(stake) * static_cast<double>(stake);
            settle(Row::EvenChancesProgression,
                {stake, unit * static_cast<double>(stake), EvenChanceWin,
                    EvenChanceMean * static_cast<double>(stake), EvenChanceVariance * squared});
            step = won || step + 1 == ProgressionSteps ? 0 : step + 1;
        }
        const auto twoBoxes = [&](Row row, int repeated, int comes) {
            if (repeated != 0) {
                const double result = comes != 0 && comes != repeated ? 1.0 : -2.0;
                settle(row, {2, result, TwoBoxesWin, TwoBoxesMean, TwoBoxesVariance});
            }
        };
        twoBoxes(Row::Dozens, played.repeatedDozen, static_cast<int>(Roulette::dozenOf(number)));
        twoBoxes(Row::Columns, played.repeatedColumn, static_cast<int>(Roulette::columnOf(number)));
        if (played.numbers != 0) {
            const double k = static_cast<double>(std::bitset<64>(played.numbers).count());
            const bool won = (played.numbers >> number) & 1U;
            const double mean = -k / Numbers;
            const double square = (k * (36.0 - k) * (36.0 - k) + (Numbers - k) * k * k) / Numbers;
            settle(Row::Numbers,
                {static_cast<std::int64_t>(k), won ? 36.0 - k : -k, k / Numbers, mean, square - mean * mean});
        }
    }
    m_pending = advice;
    ++m_draws;
    for (const Figures& row : m_rows) {
        m_lowest = std::min(m_lowest, row.result);
        m_highest = std::max(m_highest, row.result);
    }
    m_lowest = std::min(m_lowest, figures(Row::All).expected);
    keepPoint();
}

void AdviceAccount::settle(Row row, const Bet& bet)
{
    for (const Row kept : {row, Row::All}) {
        Figures& figures = m_rows[at(kept)];
        ++figures.bets;
        figures.stakes += bet.stake;
        figures.won += bet.result > 0.0 ? 1 : 0;
        figures.chanceOfWinning += bet.chanceOfWinning;
        figures.result += bet.result;
        figures.expected += bet.mean;
        figures.variance += bet.variance;
        // A partage loses half the stake: a loss too.
        figures.losingRun = bet.result < 0.0 ? figures.losingRun + 1 : 0;
        figures.longestLosingRun = std::max(figures.longestLosingRun, figures.losingRun);
        figures.highest = std::max(figures.highest, figures.result);
        figures.worstDrawdown = std::max(figures.worstDrawdown, figures.highest - figures.result);
        if (row == Row::EvenChancesProgression) {
            break; // a way of playing the even chances, not one more advice
        }
    }
}

void AdviceAccount::keepPoint()
{
    if (m_draws % m_spacing != 0) {
        return;
    }
    Point point;
    point.draw = m_draws;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        point.results[row] = m_rows[row].result;
    }
    point.expectedOfAll = figures(Row::All).expected;
    m_points.push_back(point);
    if (m_points.size() < 2 * static_cast<std::size_t>(MaxPoints)) {
        return;
    }
    // Every other point goes: the chart keeps the whole game in as many points.
    m_spacing *= 2;
    ++m_generation;
    const auto dropped = std::remove_if(
        m_points.begin(), m_points.end(), [this](const Point& kept) { return kept.draw % m_spacing != 0; });
    m_points.erase(dropped, m_points.end());
}
