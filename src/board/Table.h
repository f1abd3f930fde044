// SPDX-License-Identifier: GPL-3.0-or-later
// The roulette table of one game: the list of accepted draws and everything worked out from
// it — hit counts, the level of the least-drawn numbers, the three even-money pairs, dozens
// and columns, the numbers to play, the blinks, the spoken advice and the statistics. Every
// window reads it; an entry runs all of its steps here, in their fixed order.
#pragma once

#include "board/NumberAdvice.h"
#include "dozens/DozenColumnTracker.h"
#include "roulette/Roulette.h"
#include "speech/SpokenAdvice.h"
#include "statistics/AdviceAccount.h"
#include "statistics/StatisticsModel.h"
#include "trends/EvenChanceTracker.h"

#include <QStringList>
#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

// The six blinks of the board: the three even chances, the columns, the dozens, the numbers.
enum class BlinkTimer { Colour, PasseManque, PairImpair, Columns, Dozens, Numbers };
constexpr int BlinkTimerCount = 6;

class Table
{
public:
    static constexpr int StripLength = 22;

    Table();

    // Registers a drawn number that the player confirmed (0 to 36): every step of an entry
    // after the confirmation, in their fixed order.
    void enter(int number);

    // Starts again from no draw and enters `draws` in order, silently: how an undo or a
    // resumed game brings the table to where those draws lead. Spoken advice stays as it is.
    void replay(const std::vector<std::uint8_t>& draws);

    // One tick of a running blink timer, 500 ms apart.
    void blinkTick(BlinkTimer timer);
    bool isBlinking(BlinkTimer timer) const { return m_blinking.test(static_cast<std::size_t>(timer)); }
    // An advice shows as some blink running: a percentage, yellow dozens or columns, numbers
    // to play.
    bool showsAdvice() const { return m_blinking.any(); }

    // Every accepted draw, oldest first: the record everything else is made of.
    const std::vector<std::uint8_t>& draws() const { return m_draws; }
    int drawCount() const { return static_cast<int>(m_draws.size()); }

    int hitCount(int number) const { return m_hits[static_cast<std::size_t>(number)]; }
    // The strip of the last draws, oldest on the left: square `index` (0 to 21), or -1 while
    // it holds no number yet.
    int stripNumber(int index) const;

    // The level of the least-drawn numbers: how many times they came out.
    int level() const { return m_level; }
    // How many numbers were at the level in the latest entry (0 when it rose).
    int levelCount() const { return m_levelCount; }
    // The last count of numbers at the level that was shown: kept when the level rises; 0
    // before the first entry.
    int shownLevelCount() const { return m_shownLevelCount; }

    const EvenChanceTracker& evenChance(EvenChance pair) const
    {
        return m_evenChances[static_cast<std::size_t>(pair)];
    }
    const DozenColumnTracker& dozenColumns() const { return m_dozenColumns; }
    const NumberAdvice& numberAdvice() const { return m_numberAdvice; }
    // What chance explains of the whole game.
    const StatisticsModel& statistics() const { return m_statistics; }
    // What following every advice shown so far would have won or lost.
    const AdviceAccount& adviceAccount() const { return m_account; }
    // The advice the latest entry shows, as the account plays it on the next draw.
    AdviceAccount::Advice followedAdvice() const;
    // Whether number `number` shows highlighted: a candidate at the lit phase of its blink.
    bool isNumberLit(int number) const;

    // Spoken advice: on or off, and what the latest entry reads aloud while it is on.
    void toggleSpeech() { m_speaks = !m_speaks; }
    bool speaksAdvice() const { return m_speaks; }
    const QStringList& spokenPhrases() const { return m_spokenPhrases; }
    AdviceSummary adviceSummary() const;

private:
    void runEntry(int number);
    void countHitAndLevel(int number);
    // The side a pair's advice shows to play, if its advice blinks and shows one.
    std::optional<Mark> advisedSide(EvenChance pair) const;

    std::vector<std::uint8_t> m_draws;
    std::array<int, Roulette::NumberCount> m_hits{};
    int m_level = 0;
    int m_levelCount = 0;
    int m_shownLevelCount = 0;
    std::bitset<BlinkTimerCount> m_blinking;
    std::array<EvenChanceTracker, EvenChanceCount> m_evenChances;
    DozenColumnTracker m_dozenColumns;
    NumberAdvice m_numberAdvice;
    StatisticsModel m_statistics;
    AdviceAccount m_account;
    bool m_speaks = false;
    QStringList m_spokenPhrases;
};
