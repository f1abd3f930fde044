// SPDX-License-Identifier: GPL-3.0-or-later
// How long the longest run of a chance usually is over a number of draws: the exact
// distribution of the longest run of successes in n independent trials, carried forward one
// draw at a time.
#pragma once

#include <array>
#include <vector>

class LongestRunDistribution
{
public:
    // Runs longer than this are followed as if they could not happen: at 18/37, a run of 64
    // has a chance below 1e-10 even over a billion draws.
    static constexpr int LongestFollowed = 64;

    explicit LongestRunDistribution(double probability);

    // Back to no trial at all, or one trial more.
    void reset();
    void advance();

    int trials() const { return m_trials; }

    // The chance that no run reaches `length` in the trials so far: P(longest < length).
    double probabilityBelow(int length) const;

    // The smallest length the longest run stays at or below at least half the time.
    int median() const;
    // The mean of the longest run.
    double mean() const;

private:
    double m_probability;
    std::array<double, LongestFollowed + 1> m_completion{}; // q p^r: a run completed at a given trial
    // m_history[t % Depth][r] = P(no run of r in t trials), for the last Depth trial counts.
    static constexpr int Depth = LongestFollowed + 2;
    std::vector<std::array<double, LongestFollowed + 1>> m_history;
    int m_trials = 0;
};
