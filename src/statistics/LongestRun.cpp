// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/LongestRun.h"

#include <algorithm>
#include <cmath>

// Let A(t, r) be the chance that t trials hold no run of r successes. A(t, r) = 1 while
// t < r, A(r, r) = 1 - p^r, and beyond: A(t, r) = A(t-1, r) - q p^r A(t-r-1, r), since a
// first run of r completed at trial t is exactly r successes after a failure at trial t-r,
// with no run of r among the t-r-1 trials before it. Each new trial costs one step per
// length, and only the last r+1 values of each length are needed.

LongestRunDistribution::LongestRunDistribution(double probability)
    : m_probability(probability)
    , m_history(Depth)
{
    for (int length = 1; length <= LongestFollowed; ++length) {
        m_completion[static_cast<std::size_t>(length)] = (1.0 - probability) * std::pow(probability, length);
    }
    reset();
}

void LongestRunDistribution::reset()
{
    m_trials = 0;
    m_history[0].fill(1.0);
}

void LongestRunDistribution::advance()
{
    const int t = ++m_trials;
    const auto& previous = m_history[static_cast<std::size_t>((t - 1) % Depth)];
    auto& now = m_history[static_cast<std::size_t>(t % Depth)];
    now[0] = 0.0; // every sequence holds a run of length zero
    // The trial count `length + 1` before this one, stepped down with the length rather than
    // divided at each length: this runs at every draw of a game of millions.
    int beforeIndex = (t - 2 + Depth) % Depth;
    for (int length = 1; length <= LongestFollowed; ++length) {
        const auto r = static_cast<std::size_t>(length);
        if (t < length) {
            now[r] = 1.0;
        } else if (t == length) {
            now[r] = 1.0 - m_completion[r] / (1.0 - m_probability);
        } else {
            const auto& before = m_history[static_cast<std::size_t>(beforeIndex)];
            // Rounding must not carry a probability out of [0, 1].
            now[r] = std::clamp(previous[r] - m_completion[r] * before[r], 0.0, 1.0);
        }
        beforeIndex = beforeIndex == 0 ? Depth - 1 : beforeIndex - 1;
    }
}

double LongestRunDistribution::probabilityBelow(int length) const
{
    if (length <= 0) {
        return 0.0;
    }
    if (length > LongestFollowed) {
        return 1.0;
    }
    return m_history[static_cast<std::size_t>(m_trials % Depth)][static_cast<std::size_t>(length)];
}

int LongestRunDistribution::median() const
{
    // P(longest <= m) = P(longest < m + 1).
    for (int length = 0; length < LongestFollowed; ++length) {
        if (probabilityBelow(length + 1) >= 0.5) {
            return length;
        }
    }
    return LongestFollowed;
}

double LongestRunDistribution::mean() const
{
    // E[L] = sum over r >= 1 of P(L >= r).
    double sum = 0.0;
    for (int length = 1; length <= LongestFollowed; ++length) {
        sum += 1.0 - probabilityBelow(length);
    }
    return sum;
}
