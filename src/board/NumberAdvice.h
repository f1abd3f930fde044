// SPDX-License-Identifier: GPL-3.0-or-later
// The least-drawn numbers: with ten or fewer numbers left at the level, they are the numbers
// to play. Holds them, their blink, and how long they have waited: a count of the entries in
// which none of them came out, and its level from green to orange to red.
#pragma once

#include "roulette/Roulette.h"

#include <array>
#include <cstdint>

enum class WaitingLevel : std::uint8_t { Green, Orange, Red };

class NumberAdvice
{
public:
    // The candidate numbers are listed when at most this many are left at the level.
    static constexpr int MaxCandidates = 10;

    // How many entries the candidates may wait unchanged before the level turns orange
    // (the count reaches `orange`) and red (the count passes `red`). Both are 0 for a
    // number of candidates outside 1 to 10, which has no thresholds.
    struct AlertThresholds
    {
        int orange = 0;
        int red = 0;
    };
    static AlertThresholds alertThresholds(int candidates);

    NumberAdvice() { clear(); }

    // The steps of an entry, in the order the table runs them.

    // The numbers stop blinking and the candidate row empties.
    void clear();
    // The level rose: the count starts again from green. How many candidates the last
    // count saw is kept: the first count at the new level goes on from it when it finds as
    // many.
    void levelRose();
    // With 1 to 10 numbers at `level`, they become the candidates and are counted; returns
    // whether they start blinking. Otherwise the advice row hides.
    bool advise(const std::array<int, Roulette::NumberCount>& hits, int level, int levelCount);

    // One tick of the candidates' blink.
    void blinkTick();

    bool isAdviceRowShown() const { return m_rowShown; }
    // Candidate `slot`, in increasing order from the left; -1 for an empty slot.
    int candidate(int slot) const { return m_candidates[static_cast<std::size_t>(slot)]; }
    bool isCandidate(int number) const;
    // Whether a candidate shows highlighted at this phase of the blink.
    bool isLit() const { return m_lit; }
    int waitingCount() const { return m_waitingCount; }
    WaitingLevel waitingLevel() const { return m_waitingLevel; }

private:
    void countWaiting();
    void updateWaitingLevel();

    std::array<std::int8_t, MaxCandidates> m_candidates{};
    int m_candidateCount = 0;
    bool m_rowShown = false;
    bool m_lit = false;
    int m_blinkPhase = 0; // carried over from one blink to the next
    int m_waitingCount = 0;
    WaitingLevel m_waitingLevel = WaitingLevel::Green;
    int m_candidateTotal = 0; // how many numbers are at the level
    int m_countedTotal = 0; // how many there were at the previous count
};
