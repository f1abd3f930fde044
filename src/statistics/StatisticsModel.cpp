// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsModel.h"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>
#include <cmath>

namespace {

constexpr double NumberProbability = 1.0 / Roulette::NumberCount;
constexpr double EvenChanceProbability = 18.0 / Roulette::NumberCount;
constexpr double LowerTail = (1.0 - StatisticsModel::BandCoverage) / 2.0;
constexpr double UpperQuantile = 1.0 - LowerTail;

using Chance = StatisticsModel::Chance;

// The band's ends are the smallest counts whose cumulative chance reaches 2.5 % and 97.5 %:
// rounding the quantile up leaves less than 2.5 % outside on each side, and no narrower band
// does.
using RoundUp = boost::math::policies::policy<
    boost::math::policies::discrete_quantile<boost::math::policies::integer_round_up>>;
using Binomial = boost::math::binomial_distribution<double, RoundUp>;

// Even chances in the order of their place in the run arrays.
constexpr std::array<Chance, 6> EvenChances
    = {Chance::Rouge, Chance::Noir, Chance::Pair, Chance::Impair, Chance::Manque, Chance::Passe};

int evenIndex(Chance chance)
{
    const auto found = std::find(EvenChances.begin(), EvenChances.end(), chance);
    return found == EvenChances.end() ? -1 : static_cast<int>(found - EvenChances.begin());
}

bool wins(Chance chance, int number)
{
    using namespace Roulette;
    switch (chance) {
    case Chance::Rouge:
        return colourOf(number) == NumberColour::Red;
    case Chance::Noir:
        return colourOf(number) == NumberColour::Black;
    case Chance::Zero:
        return number == 0;
    case Chance::Pair:
        return parityOf(number) == Parity::Pair;
    case Chance::Impair:
        return parityOf(number) == Parity::Impair;
    case Chance::Manque:
        return halfOf(number) == Half::Manque;
    case Chance::Passe:
        return halfOf(number) == Half::Passe;
    case Chance::FirstDozen:
        return dozenOf(number) == Dozen::First;
    case Chance::SecondDozen:
        return dozenOf(number) == Dozen::Second;
    case Chance::ThirdDozen:
        return dozenOf(number) == Dozen::Third;
    case Chance::FirstColumn:
        return columnOf(number) == Column::First;
    case Chance::SecondColumn:
        return columnOf(number) == Column::Second;
    case Chance::ThirdColumn:
        return columnOf(number) == Column::Third;
    case Chance::VoisinsDuZero:
        return sectorOf(number) == Sector::VoisinsDuZero;
    case Chance::TiersDuCylindre:
        return sectorOf(number) == Sector::TiersDuCylindre;
    case Chance::Orphelins:
        break;
    }
    return sectorOf(number) == Sector::Orphelins;
}

// For each number, the rows of the table it wins, one bit per row.
const std::array<std::uint32_t, Roulette::NumberCount>& memberships()
{
    static const std::array<std::uint32_t, Roulette::NumberCount> table = [] {
        std::array<std::uint32_t, Roulette::NumberCount> made{};
        for (int number = 0; number < Roulette::NumberCount; ++number) {
            for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
                if (wins(StatisticsModel::chanceAt(row), number)) {
                    made[static_cast<std::size_t>(number)] |= 1U << row;
                }
            }
        }
        return made;
    }();
    return table;
}

} // namespace

StatisticsModel::StatisticsModel()
    : m_runs(EvenChanceProbability)
{
    clear();
}

void StatisticsModel::add(int number)
{
    if (!Roulette::isValidNumber(number)) {
        return;
    }
    const auto index = static_cast<std::size_t>(number);
    // (h + 1)^2 - h^2: the sum of squares follows the one count that moved.
    m_sumOfSquares += 2 * static_cast<std::int64_t>(m_hits[index]) + 1;
    ++m_hits[index];
    m_lastDraw[index] = m_draws;
    ++m_draws;

    const std::uint32_t won = memberships()[index];
    for (int row = 0; row < ChanceCount; ++row) {
        if (won & (1U << row)) {
            ++m_chanceHits[static_cast<std::size_t>(row)];
        }
    }
    for (std::size_t even = 0; even < EvenChances.size(); ++even) {
        if (won & (1U << static_cast<int>(EvenChances[even]))) {
            m_longestRun[even] = std::max(m_longestRun[even], ++m_currentRun[even]);
        } else {
            m_currentRun[even] = 0;
        }
    }
    m_runs.advance();
}

void StatisticsModel::clear()
{
    m_draws = 0;
    m_hits.fill(0);
    m_lastDraw.fill(NeverDrawn);
    m_sumOfSquares = 0;
    m_chanceHits.fill(0);
    m_currentRun.fill(0);
    m_longestRun.fill(0);
    m_runs.reset();
}

void StatisticsModel::rebuild(const std::vector<std::uint8_t>& draws)
{
    clear();
    for (const std::uint8_t number : draws) {
        add(number);
    }
}

int StatisticsModel::drawsSince(int number) const
{
    const int last = m_lastDraw[static_cast<std::size_t>(number)];
    return last == NeverDrawn ? NeverDrawn : m_draws - 1 - last;
}

double StatisticsModel::expectedHits() const
{
    return m_draws * NumberProbability;
}

StatisticsModel::Band StatisticsModel::band() const
{
    refreshBand();
    return m_band;
}

void StatisticsModel::refreshBand() const
{
    if (m_bandDraws == m_draws) {
        return;
    }
    if (m_bandDraws > 0 && m_bandDraws == m_draws - 1) {
        // One draw more moves each end by at most one hit, and never down: two values of the
        // distribution function decide it, far cheaper than two quantiles.
        const Binomial counts(m_draws, NumberProbability);
        if (boost::math::cdf(counts, m_band.low) < LowerTail) {
            ++m_band.low;
        }
        if (boost::math::cdf(counts, m_band.high) < UpperQuantile) {
            ++m_band.high;
        }
    } else {
        m_band = bandAt(m_draws);
    }
    m_bandDraws = m_draws;
}

StatisticsModel::Band StatisticsModel::bandAt(int draws)
{
    if (draws <= 0) {
        return {};
    }
    const Binomial counts(draws, NumberProbability);
    return {static_cast<int>(boost::math::quantile(counts, LowerTail)),
        static_cast<int>(boost::math::quantile(counts, UpperQuantile))};
}

double StatisticsModel::chiSquare() const
{
    if (m_draws == 0) {
        return 0.0;
    }
    // The sum of (h - e)^2 / e over the numbers, with e = n / 37 and the hits adding up to n,
    // is 37 (sum of h^2) / n - n.
    const double n = m_draws;
    return std::max(0.0, Roulette::NumberCount * static_cast<double>(m_sumOfSquares) / n - n);
}

double StatisticsModel::pValue() const
{
    if (m_pValueDraws != m_draws) {
        m_pValue = pValueOf(chiSquare());
        m_pValueDraws = m_draws;
    }
    return m_pValue;
}

double StatisticsModel::pValueOf(double chiSquare)
{
    const boost::math::chi_squared_distribution<double> fairWheel(DegreesOfFreedom);
    return boost::math::cdf(boost::math::complement(fairWheel, std::max(0.0, chiSquare)));
}

StatisticsModel::Verdict StatisticsModel::verdict() const
{
    return verdictOf(m_draws, pValue());
}

StatisticsModel::Verdict StatisticsModel::verdictOf(int draws, double pValue)
{
    if (draws < MinimumDraws) {
        return Verdict::NotEnoughDraws;
    }
    return pValue < UnusualBelow ? Verdict::Unusual : Verdict::NothingAbnormal;
}

StatisticsModel::ChanceFigures StatisticsModel::chance(Chance chance) const
{
    const double share = static_cast<double>(sizeOf(chance)) / Roulette::NumberCount;
    ChanceFigures figures;
    figures.observed = m_chanceHits[static_cast<std::size_t>(chance)];
    figures.expected = m_draws * share;
    const double deviation = std::sqrt(m_draws * share * (1.0 - share));
    figures.gap = deviation > 0.0 ? (figures.observed - figures.expected) / deviation : 0.0;
    figures.p = twoSidedP(figures.gap);
    return figures;
}

std::vector<StatisticsModel::UnusualChance> StatisticsModel::unusualChances() const
{
    // Below five expected zeros the normal law says nothing of the counts, as of the wheel.
    if (m_draws < MinimumDraws) {
        return {};
    }
    std::array<UnusualChance, ChanceCount> rows;
    for (int row = 0; row < ChanceCount; ++row) {
        const ChanceFigures figures = chance(chanceAt(row));
        rows[static_cast<std::size_t>(row)] = {chanceAt(row), figures.gap, figures.p, 1.0};
    }
    // Holm: the i-th smallest p (from 0) is multiplied by the rows not yet passed, and an
    // adjusted p never falls below the one before it.
    std::stable_sort(
        rows.begin(), rows.end(), [](const UnusualChance& a, const UnusualChance& b) { return a.p < b.p; });
    std::vector<UnusualChance> unusual;
    double previous = 0.0;
    for (std::size_t rank = 0; rank < rows.size(); ++rank) {
        const double adjusted
            = std::min(1.0, std::max(previous, (ChanceCount - static_cast<int>(rank)) * rows[rank].p));
        previous = adjusted;
        if (adjusted >= UnusualBelow) {
            break; // every row after it is adjusted at least as high
        }
        rows[rank].adjustedP = adjusted;
        unusual.push_back(rows[rank]);
    }
    return unusual;
}

double StatisticsModel::twoSidedP(double deviations)
{
    return std::erfc(std::abs(deviations) / std::sqrt(2.0));
}

int StatisticsModel::longestRun(Chance chance) const
{
    const int even = evenIndex(chance);
    return even < 0 ? 0 : m_longestRun[static_cast<std::size_t>(even)];
}

int StatisticsModel::usualLongestRun() const
{
    return m_runs.median();
}

bool StatisticsModel::isEvenChance(Chance chance)
{
    return evenIndex(chance) >= 0;
}

bool StatisticsModel::contains(Chance chance, int number)
{
    return Roulette::isValidNumber(number)
        && (memberships()[static_cast<std::size_t>(number)] & (1U << static_cast<int>(chance))) != 0;
}

int StatisticsModel::sizeOf(Chance chance)
{
    static const std::array<int, ChanceCount> sizes = [] {
        std::array<int, ChanceCount> made{};
        for (int number = 0; number < Roulette::NumberCount; ++number) {
            for (int row = 0; row < ChanceCount; ++row) {
                made[static_cast<std::size_t>(row)] += contains(chanceAt(row), number) ? 1 : 0;
            }
        }
        return made;
    }();
    return sizes[static_cast<std::size_t>(chance)];
}

double StatisticsModel::houseEdge()
{
    return NumberProbability;
}

double StatisticsModel::evenChanceHouseEdge()
{
    return NumberProbability / 2.0;
}

double StatisticsModel::losingStreakProbability()
{
    return std::pow(1.0 - EvenChanceProbability, LosingStreak);
}

int StatisticsModel::losingStreakCost()
{
    // Each stake of the progression wins back every loss before it plus one starting stake:
    // stake k is 2^k - 1 starting stakes, and the seven together cost 2^8 - 9.
    int cost = 0;
    for (int step = 1; step <= LosingStreak; ++step) {
        cost += (1 << step) - 1;
    }
    return cost;
}
