// SPDX-License-Identifier: GPL-3.0-or-later
#include "trends/EvenChanceTracker.h"

#include "roulette/Roulette.h"

#include <algorithm>
#include <optional>

namespace EvenChances {

Mark markOf(EvenChance pair, int number)
{
    switch (pair) {
    case EvenChance::Colour:
        switch (Roulette::colourOf(number)) {
        case Roulette::NumberColour::Red:
            return Mark::FirstSide;
        case Roulette::NumberColour::Black:
            return Mark::SecondSide;
        case Roulette::NumberColour::Green:
            return Mark::Zero;
        }
        break;
    case EvenChance::PasseManque:
        switch (Roulette::halfOf(number)) {
        case Roulette::Half::Manque:
            return Mark::FirstSide;
        case Roulette::Half::Passe:
            return Mark::SecondSide;
        case Roulette::Half::None:
            return Mark::Zero;
        }
        break;
    case EvenChance::PairImpair:
        switch (Roulette::parityOf(number)) {
        case Roulette::Parity::Impair:
            return Mark::FirstSide;
        case Roulette::Parity::Pair:
            return Mark::SecondSide;
        case Roulette::Parity::None:
            return Mark::Zero;
        }
        break;
    }
    return Mark::Zero;
}

} // namespace EvenChances

namespace {

struct CounterRule
{
    int over; // the run must be longer than this
    int orangeAbove; // count above which the warning box turns orange
    int redAbove; // and red
};

constexpr CounterRule CounterRules[EvenChanceTracker::CounterCount] = {
    {4, 29, 44}, // repetition over 4
    {5, 50, 76}, // repetition over 5
    {4, 29, 44}, // alternation over 4
    {5, 50, 76}, // alternation over 5
};

} // namespace

EvenChanceTracker::EvenChanceTracker(EvenChance pair)
    : m_pair(pair)
{ }

bool EvenChanceTracker::track(int number)
{
    using namespace EvenChances;
    m_shown = true;
    m_adviceLength = 0;

    std::move(m_cells.begin() + 1, m_cells.begin() + HistoryLength, m_cells.begin());
    const Mark newest = markOf(m_pair, number);
    m_cells[HistoryLength - 1] = newest;

    int run = 1;
    for (int i = HistoryLength - 2; i >= 0 && lookAlike(m_pair, cell(i), newest); --i) {
        ++run;
    }

    // Strict alternation back from the newest mark. After a zero the colour window expects
    // nothing (no cell matches); the two others expect an empty cell again and again.
    std::optional<Mark> expected;
    if (isSide(newest)) {
        expected = otherSide(newest);
    } else if (m_pair != EvenChance::Colour) {
        expected = Mark::Zero;
    }
    int alternation = 0;
    for (int i = HistoryLength - 2; i >= 0; --i) {
        if (!expected || !lookAlike(m_pair, cell(i), *expected)) {
            break;
        }
        ++alternation;
        if (isSide(*expected)) {
            expected = otherSide(*expected);
        }
    }
    m_runLength = run;
    m_alternationCount = alternation;

    // A long run: play the other side. A long alternation: play the side that continues it.
    // The alternation advice is written last and stands when both apply.
    if (run >= AdviceThreshold) {
        if (isSide(newest)) {
            m_cells[SuggestionCell] = otherSide(newest);
        }
        m_adviceLength = run;
    }
    if (alternation >= AdviceThreshold) {
        m_cells[SuggestionCell] = newest;
        m_adviceLength = alternation;
    }

    updateCounter(RepetitionOver4, run);
    updateCounter(RepetitionOver5, run);
    updateCounter(AlternationOver4, alternation);
    updateCounter(AlternationOver5, alternation);

    return run >= AdviceThreshold || alternation >= AdviceThreshold;
}

// Counts the draws since the last run longer than the counter's limit. The draw of such a
// run first counts and shows its number, then restarts the count at 1.
void EvenChanceTracker::updateCounter(int kind, int value)
{
    Counter& counter = m_counters[static_cast<std::size_t>(kind)];
    const CounterRule& rule = CounterRules[kind];
    const bool longRun = value > rule.over;

    if (!counter.longRunSeen && longRun) {
        counter.drawsSince = 1;
    }
    if (counter.drawsSince >= 1) {
        ++counter.drawsSince;
    }
    if (counter.drawsSince > rule.orangeAbove) {
        counter.warning = counter.drawsSince > rule.redAbove ? Warning::Red : Warning::Orange;
    }
    if (counter.longRunSeen && longRun) {
        counter.drawsSince = 1;
        counter.warning = Warning::None;
    }
    if (longRun) {
        counter.longRunSeen = true;
    }
}

// The phase is not reset by an entry: a blink that starts again goes on from where the
// previous one was left, so its first tick may leave the advice dark.
void EvenChanceTracker::blinkTick()
{
    m_adviceLit = m_phase == 0;
    m_phase = m_phase == 0 ? 1 : 0;
}
