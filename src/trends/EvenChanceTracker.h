// SPDX-License-Identifier: GPL-3.0-or-later
// One even-money pair followed entry after entry: the marks of the last 20 numbers, the
// suggestion cell, the advice, and four counters of the draws since the last long run of
// repetitions or alternations. Holds what the pair's trend window shows.
#pragma once

#include "trends/EvenChance.h"

#include <array>

class EvenChanceTracker
{
public:
    static constexpr int HistoryLength = 20;
    static constexpr int SuggestionCell = 20;
    static constexpr int CellCount = 21;
    // A run or an alternation this long gives advice.
    static constexpr int AdviceThreshold = 4;

    // The four counters, in the order they are updated.
    enum CounterKind { RepetitionOver4 = 0, RepetitionOver5 = 1, AlternationOver4 = 2, AlternationOver5 = 3 };
    static constexpr int CounterCount = 4;

    enum class Warning : std::uint8_t { None, Orange, Red };

    struct Counter
    {
        int drawsSince = 0; // draws since the last long run; 0 until the first one
        bool longRunSeen = false;
        Warning warning = Warning::None;
    };

    explicit EvenChanceTracker(EvenChance pair);

    EvenChance pair() const { return m_pair; }

    // Before the pair is tracked at an entry: the advice of the previous entry stops showing.
    void clearAdvice() { m_adviceLit = false; }

    // Records the drawn number's mark for this pair and gives advice.
    // Returns true when the advice starts the pair's blink.
    bool track(int number);

    // One blink step of the advice; the phase goes on from where it was left.
    void blinkTick();

    Mark cell(int index) const { return m_cells[static_cast<std::size_t>(index)]; }
    Mark suggestion() const { return m_cells[SuggestionCell]; }
    const Counter& counter(int kind) const { return m_counters[static_cast<std::size_t>(kind)]; }

    // False until the first entry: the window has not been shown yet.
    bool isShown() const { return m_shown; }
    // The length of the run or alternation the advice is about, 0 without advice.
    int adviceLength() const { return m_adviceLength; }
    // Whether the advice shows highlighted at this phase of its blink.
    bool isAdviceLit() const { return m_adviceLit; }

    // Run length and alternation count of the latest entry.
    int runLength() const { return m_runLength; }
    int alternationCount() const { return m_alternationCount; }

private:
    void updateCounter(int kind, int value);

    EvenChance m_pair;
    std::array<Mark, CellCount> m_cells{};
    std::array<Counter, CounterCount> m_counters{};
    bool m_shown = false;
    bool m_adviceLit = false;
    int m_phase = 0;
    int m_adviceLength = 0;
    int m_runLength = 0;
    int m_alternationCount = 0;
};
