// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/NumberAdvice.h"

NumberAdvice::AlertThresholds NumberAdvice::alertThresholds(int candidates)
{
    // The fewer candidates, the longer they may wait: about 36 entries divided by their number.
    switch (candidates) {
    case 10:
        return {3, 6};
    case 9:
        return {4, 8};
    case 8:
        return {5, 10};
    case 7:
        return {6, 12};
    case 6:
        return {6, 12};
    case 5:
        return {7, 14};
    case 4:
        return {9, 18};
    case 3:
        return {12, 24};
    case 2:
        return {18, 36};
    case 1:
        return {36, 72};
    default:
        return {};
    }
}

void NumberAdvice::clear()
{
    m_lit = false;
    m_candidates.fill(-1);
    m_candidateCount = 0;
}

void NumberAdvice::levelRose()
{
    m_waitingCount = 0;
    m_waitingLevel = WaitingLevel::Green;
}

bool NumberAdvice::advise(const std::array<int, Roulette::NumberCount>& hits, int level, int levelCount)
{
    m_rowShown = levelCount >= 1 && levelCount <= MaxCandidates;
    if (!m_rowShown) {
        return false;
    }
    for (int n = 0; n < Roulette::NumberCount && m_candidateCount < MaxCandidates; ++n) {
        if (hits[static_cast<std::size_t>(n)] == level) {
            m_candidates[static_cast<std::size_t>(m_candidateCount++)] = static_cast<std::int8_t>(n);
        }
    }
    m_candidateTotal = levelCount;
    countWaiting();
    return true;
}

bool NumberAdvice::isCandidate(int number) const
{
    for (int slot = 0; slot < m_candidateCount; ++slot) {
        if (m_candidates[static_cast<std::size_t>(slot)] == number) {
            return true;
        }
    }
    return false;
}

// Counts the entries in which the number of candidates stayed the same, so none of them came
// out.
void NumberAdvice::countWaiting()
{
    // Before any count, the previous number is taken as ten: a first count of ten candidates
    // is already one unchanged entry.
    if (m_countedTotal == 0) {
        m_countedTotal = MaxCandidates;
    }
    if (m_countedTotal == m_candidateTotal) {
        ++m_waitingCount;
        updateWaitingLevel();
    } else {
        m_countedTotal = m_candidateTotal;
        m_waitingCount = 0;
        m_waitingLevel = WaitingLevel::Green;
    }
}

// Below the orange threshold the level keeps whatever colour it has.
void NumberAdvice::updateWaitingLevel()
{
    const AlertThresholds thresholds = alertThresholds(m_candidateTotal);
    if (thresholds.orange == 0) {
        return;
    }
    if (m_waitingCount >= thresholds.orange) {
        m_waitingLevel = WaitingLevel::Orange;
    }
    if (m_waitingCount > thresholds.red) {
        m_waitingLevel = WaitingLevel::Red;
    }
}

void NumberAdvice::blinkTick()
{
    m_lit = m_blinkPhase == 0;
    m_blinkPhase = m_blinkPhase == 0 ? 1 : 0;
}
