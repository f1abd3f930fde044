// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Table.h"

#include "speech/SpokenAdvice.h"

Table::Table()
    : m_evenChances{EvenChanceTracker(EvenChance::Colour), EvenChanceTracker(EvenChance::PasseManque),
        EvenChanceTracker(EvenChance::PairImpair)}
{ }

void Table::enter(int number)
{
    Q_ASSERT(Roulette::isValidNumber(number));
    if (!Roulette::isValidNumber(number)) {
        return;
    }
    runEntry(number);
    m_spokenPhrases = m_speaks ? SpokenAdvice::phrases(adviceSummary()) : QStringList();
}

void Table::replay(const std::vector<std::uint8_t>& draws)
{
    const bool speaks = m_speaks;
    *this = Table();
    m_speaks = speaks;
    m_draws.reserve(draws.size());
    for (const std::uint8_t number : draws) {
        if (Roulette::isValidNumber(number)) {
            runEntry(number);
        }
    }
}

void Table::runEntry(int number)
{
    // The previous entry's advice goes: blinks stop, highlights go dark, the row empties.
    m_blinking.reset();
    for (EvenChanceTracker& pair : m_evenChances) {
        pair.clearAdvice();
    }
    m_dozenColumns.clearAdvice();
    m_numberAdvice.clear();

    m_draws.push_back(static_cast<std::uint8_t>(number));
    m_statistics.add(number);

    // Colour, then passe/manque, then pair/impair; each pair with advice starts its blink.
    for (std::size_t pair = 0; pair < m_evenChances.size(); ++pair) {
        if (m_evenChances[pair].track(number)) {
            m_blinking.set(pair);
        }
    }

    const DozenColumnTracker::Findings runs = m_dozenColumns.track(number);
    m_blinking.set(static_cast<std::size_t>(BlinkTimer::Dozens), runs.dozensRun);
    m_blinking.set(static_cast<std::size_t>(BlinkTimer::Columns), runs.columnsRun);

    countHitAndLevel(number);
    if (m_numberAdvice.advise(m_hits, m_level, m_levelCount)) {
        m_blinking.set(static_cast<std::size_t>(BlinkTimer::Numbers));
    }

    // The previous advice is played on this number; this entry's advice waits for the next.
    m_account.add(number, followedAdvice());
}

AdviceAccount::Advice Table::followedAdvice() const
{
    using Chance = StatisticsModel::Chance;
    // The first side of each pair (rouge, manque, impair), then the second.
    constexpr Chance Sides[EvenChanceCount][2]
        = {{Chance::Rouge, Chance::Noir}, {Chance::Manque, Chance::Passe}, {Chance::Impair, Chance::Pair}};
    AdviceAccount::Advice advice;
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        if (const auto side = advisedSide(static_cast<EvenChance>(pair))) {
            advice.evenChances[static_cast<std::size_t>(pair)]
                = Sides[pair][*side == Mark::FirstSide ? 0 : 1];
        }
    }
    advice.repeatedDozen = isBlinking(BlinkTimer::Dozens) ? m_dozenColumns.repeated(Group::Dozens) : 0;
    advice.repeatedColumn = isBlinking(BlinkTimer::Columns) ? m_dozenColumns.repeated(Group::Columns) : 0;
    if (isBlinking(BlinkTimer::Numbers)) {
        for (int slot = 0; slot < NumberAdvice::MaxCandidates; ++slot) {
            if (const int number = m_numberAdvice.candidate(slot); number >= 0) {
                advice.numbers |= std::uint64_t{1} << number;
            }
        }
    }
    return advice;
}

// A blinking pair advises the side its suggestion cell holds, if it holds one.
std::optional<Mark> Table::advisedSide(EvenChance pair) const
{
    const Mark suggestion = evenChance(pair).suggestion();
    if (!isBlinking(static_cast<BlinkTimer>(pair)) || !EvenChances::isSide(suggestion)) {
        return std::nullopt;
    }
    return suggestion;
}

// The level rises once no number is left at it.
void Table::countHitAndLevel(int number)
{
    ++m_hits[static_cast<std::size_t>(number)];
    m_levelCount = 0;
    for (const int hits : m_hits) {
        if (hits == m_level) {
            ++m_levelCount;
        }
    }
    if (m_levelCount > 0) {
        m_shownLevelCount = m_levelCount;
    } else {
        ++m_level;
        m_numberAdvice.levelRose();
    }
}

void Table::blinkTick(BlinkTimer timer)
{
    if (!isBlinking(timer)) {
        return;
    }
    switch (timer) {
    case BlinkTimer::Colour:
    case BlinkTimer::PasseManque:
    case BlinkTimer::PairImpair:
        m_evenChances[static_cast<std::size_t>(timer)].blinkTick();
        break;
    case BlinkTimer::Columns:
        m_dozenColumns.blinkTick(Group::Columns);
        break;
    case BlinkTimer::Dozens:
        m_dozenColumns.blinkTick(Group::Dozens);
        break;
    case BlinkTimer::Numbers:
        m_numberAdvice.blinkTick();
        break;
    }
}

int Table::stripNumber(int index) const
{
    const auto drawn = static_cast<std::ptrdiff_t>(m_draws.size());
    const std::ptrdiff_t at = drawn - StripLength + index;
    return at >= 0 && at < drawn ? m_draws[static_cast<std::size_t>(at)] : -1;
}

bool Table::isNumberLit(int number) const
{
    return m_numberAdvice.isLit() && m_numberAdvice.isCandidate(number);
}

AdviceSummary Table::adviceSummary() const
{
    AdviceSummary advice;
    // A blinking pair speaks the side it advises.
    auto side = [this](EvenChance pair) { return advisedSide(pair); };
    if (const auto mark = side(EvenChance::Colour)) {
        advice.colour
            = *mark == Mark::FirstSide ? Roulette::NumberColour::Red : Roulette::NumberColour::Black;
    }
    if (const auto mark = side(EvenChance::PasseManque)) {
        advice.half = *mark == Mark::FirstSide ? Roulette::Half::Manque : Roulette::Half::Passe;
    }
    if (const auto mark = side(EvenChance::PairImpair)) {
        advice.parity = *mark == Mark::FirstSide ? Roulette::Parity::Impair : Roulette::Parity::Pair;
    }
    advice.columns = isBlinking(BlinkTimer::Columns);
    advice.dozens = isBlinking(BlinkTimer::Dozens);
    advice.numbersWaitedLong = m_numberAdvice.waitingLevel() == WaitingLevel::Red;
    return advice;
}
