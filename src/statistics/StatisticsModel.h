// SPDX-License-Identifier: GPL-3.0-or-later
// What chance explains in a game: how often each number came out, the test of the whole
// wheel against a fair one, and the even chances, dozens, columns and sectors against their
// share of the wheel. Kept up to date one draw at a time; the list of draws is the truth.
#pragma once

#include "roulette/Roulette.h"
#include "statistics/LongestRun.h"

#include <array>
#include <cstdint>
#include <vector>

class StatisticsModel
{
public:
    enum class Verdict : std::uint8_t {
        NotEnoughDraws, // fewer than five expected hits per number: the test means nothing yet
        NothingAbnormal, // p >= 0.01
        Unusual, // p < 0.01
    };

    // The rows of the table of chances, in the order the player reads them.
    enum class Chance : std::uint8_t {
        Rouge,
        Noir,
        Zero,
        Pair,
        Impair,
        Manque,
        Passe,
        FirstDozen,
        SecondDozen,
        ThirdDozen,
        FirstColumn,
        SecondColumn,
        ThirdColumn,
        VoisinsDuZero,
        TiersDuCylindre,
        Orphelins,
    };
    static constexpr int ChanceCount = 16;

    // The hits one number gets 95 % of the time at the current number of draws, both ends
    // included: each tail left outside holds less than 2.5 %.
    struct Band
    {
        int low = 0;
        int high = 0;
    };

    struct ChanceFigures
    {
        int observed = 0;
        double expected = 0.0;
        double gap = 0.0; // (observed - expected) in standard deviations of the count
        double p = 1.0; // two-sided, from the normal approximation of the count
    };

    // A row of the table of chances that chance hardly explains, even counting that the
    // table has sixteen rows to be unusual in.
    struct UnusualChance
    {
        Chance chance = Chance::Rouge;
        double gap = 0.0;
        double p = 1.0;
        double adjustedP = 1.0; // Holm's correction over the rows of the table
    };

    static constexpr int DegreesOfFreedom = Roulette::NumberCount - 1;
    static constexpr int MinimumDraws = 5 * Roulette::NumberCount;
    static constexpr double UnusualBelow = 0.01;
    static constexpr double BandCoverage = 0.95;
    static constexpr int NeverDrawn = -1;
    static constexpr int LosingStreak = 7; // the stake calculator's seven steps

    StatisticsModel();

    void add(int number);
    void clear();
    void rebuild(const std::vector<std::uint8_t>& draws);

    int draws() const { return m_draws; }
    int hits(int number) const { return m_hits[static_cast<std::size_t>(number)]; }
    // Draws that came after the number last came out (0: it is the last draw), or NeverDrawn.
    int drawsSince(int number) const;
    double expectedHits() const;
    Band band() const;

    // The chi-square statistic of the 37 counts against a fair wheel, and its p-value.
    double chiSquare() const;
    double pValue() const;
    Verdict verdict() const;

    ChanceFigures chance(Chance chance) const;
    // The rows whose p stays under UnusualBelow after Holm's correction, most unusual first;
    // none while the draws are too few to judge the wheel.
    std::vector<UnusualChance> unusualChances() const;
    // The longest run of an even chance seen so far (0 for the other rows).
    int longestRun(Chance chance) const;
    // The longest run an even chance usually gives over the current number of draws: the
    // median of its distribution, a whole number of draws that the longest run of a fair
    // even chance (18/37) stays at or below at least half the time.
    int usualLongestRun() const;

    static bool isEvenChance(Chance chance);
    static bool contains(Chance chance, int number);
    static int sizeOf(Chance chance); // how many numbers win the chance
    static Chance chanceAt(int row) { return static_cast<Chance>(row); }

    static double pValueOf(double chiSquare);
    // Two-sided p of a gap of `deviations` standard deviations under the normal law.
    static double twoSidedP(double deviations);
    static Verdict verdictOf(int draws, double pValue);
    static Band bandAt(int draws);

    // The price of playing: what every bet loses on average (1/37), half of it on an even
    // chance, where a zero gives half the stake back (1/74), how often the stake
    // calculator's seven losses in a row on an even chance happen ((19/37)^7), and what they
    // cost in starting stakes (1 + 3 + 7 + 15 + 31 + 63 + 127).
    static double houseEdge();
    static double evenChanceHouseEdge();
    static double losingStreakProbability();
    static int losingStreakCost();

private:
    static constexpr int EvenChanceCount = 6;

    void refreshBand() const;

    int m_draws = 0;
    std::array<int, Roulette::NumberCount> m_hits{};
    std::array<int, Roulette::NumberCount> m_lastDraw{}; // index of its last draw, or NeverDrawn
    std::int64_t m_sumOfSquares = 0; // of the hits: the chi-square follows from it in O(1)
    std::array<int, ChanceCount> m_chanceHits{};
    std::array<int, EvenChanceCount> m_currentRun{};
    std::array<int, EvenChanceCount> m_longestRun{};
    LongestRunDistribution m_runs;

    // Figures that cost a special function, computed once per number of draws.
    mutable int m_pValueDraws = -1;
    mutable double m_pValue = 1.0;
    mutable int m_bandDraws = -1;
    mutable Band m_band;
};
