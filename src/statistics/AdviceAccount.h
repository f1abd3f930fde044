// SPDX-License-Identifier: GPL-3.0-or-later
// What following the table's advice would have won or lost: every advice shown after a draw
// played on the next one, one unit per box, kept up to date one draw at a time. The account
// of each kind of advice, of all of them together, and of the even chances played with the
// stake calculator's progression, with their running results for a chart.
#pragma once

#include "statistics/StatisticsModel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class AdviceAccount
{
public:
    // The rows of the account, in the order the player reads them.
    enum class Row : std::uint8_t { EvenChances, Dozens, Columns, Numbers, All, EvenChancesProgression };
    static constexpr int RowCount = 6;
    static constexpr int EvenChancePairs = 3;
    // The stake calculator's progression: 1, 3, 7 … 127 units, back to 1 after its last step.
    static constexpr int ProgressionSteps = StatisticsModel::LosingStreak;

    // What the table advised after a draw, to be played on the next one.
    struct Advice
    {
        // Colour, passe/manque, pair/impair: the side to play, if the pair advises one.
        std::array<std::optional<StatisticsModel::Chance>, EvenChancePairs> evenChances;
        int repeatedDozen = 0; // 1 to 3 when the two other dozens are advised, else 0
        int repeatedColumn = 0;
        std::uint64_t numbers = 0; // bit n set: number n is advised
    };

    struct Figures
    {
        std::int64_t bets = 0;
        std::int64_t stakes = 0; // units
        std::int64_t won = 0;
        double chanceOfWinning = 0.0; // the sum over the bets of their chance of winning
        double result = 0.0; // units
        double expected = 0.0;
        double variance = 0.0; // of the result, bet by bet
        int losingRun = 0;
        int longestLosingRun = 0;
        double highest = 0.0; // of the running result, 0 at the start
        double worstDrawdown = 0.0;

        double winRate() const { return bets > 0 ? static_cast<double>(won) / bets : 0.0; }
        double chanceRate() const { return bets > 0 ? chanceOfWinning / bets : 0.0; }
        // (result - expected) in standard deviations, 0 before any bet.
        double gap() const;
        double p() const { return StatisticsModel::twoSidedP(gap()); }
    };

    // The running results at one draw of the game.
    struct Point
    {
        int draw = 0;
        std::array<double, RowCount> results{};
        double expectedOfAll = 0.0;
    };
    // The chart keeps at most this many points, evenly spread over the game.
    static constexpr int MaxPoints = 1000;

    // Plays the advice of the previous draw on `number`, then keeps `advice` for the next.
    void add(int number, const Advice& advice);
    void clear() { *this = AdviceAccount(); }

    int draws() const { return m_draws; }
    const Figures& figures(Row row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // Points at every `pointSpacing()` draws, from the first; the spacing doubles when they
    // grow too many, and `pointGeneration()` counts how often that happened.
    const std::vector<Point>& points() const { return m_points; }
    int pointSpacing() const { return m_spacing; }
    int pointGeneration() const { return m_generation; }
    // The lowest and highest running results of any row so far (0 included).
    double lowest() const { return m_lowest; }
    double highestOfAll() const { return m_highest; }

private:
    struct Bet
    {
        std::int64_t stake = 0;
        double result = 0.0;
        double chanceOfWinning = 0.0;
        double mean = 0.0;
        double variance = 0.0;
    };
    void settle(Row row, const Bet& bet);
    void keepPoint();

    int m_draws = 0;
    std::optional<Advice> m_pending;
    std::array<Figures, RowCount> m_rows{};
    std::array<int, EvenChancePairs> m_progressionStep{};
    std::vector<Point> m_points;
    int m_spacing = 1;
    int m_generation = 0;
    double m_lowest = 0.0;
    double m_highest = 0.0;
};
