#include "board/BoardModel.h"

#include "board/BoardTexts.h"
#include "platform/DecimalText.h"

#include <algorithm>

QString NumberCell::toolTip() const
{
    if (hitCount == 0) {
        return {};
    }
    return QLatin1Char(' ') + QString::number(hitCount) + BoardTexts::HitCountSuffix;
}

BoardModel::BoardModel()
    : m_evenChances{EvenChanceTracker(EvenChance::Colour), EvenChanceTracker(EvenChance::PasseManque),
        EvenChanceTracker(EvenChance::PairImpair)}
    , m_label2Caption(BoardTexts::LevelNotYetDrawn)
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        NumberCell& cell = m_cells[static_cast<std::size_t>(n)];
        cell.text = QString::number(n);
        cell.backColour = Roulette::colourCodeOf(n);
    }

    // The attribute codes are built one character at a time, across the whole board:
    // manque/passe, then impair/pair, then the dozen, then the column. Zero gets none.
    for (int n = 1; n <= 36; ++n) {
        m_cells[static_cast<std::size_t>(n)].tag = n <= 18 ? QStringLiteral("-") : QStringLiteral("+");
    }
    for (int n = 1; n <= 36; ++n) {
        m_cells[static_cast<std::size_t>(n)].tag += n % 2 == 1 ? QLatin1Char('I') : QLatin1Char('P');
    }
    for (int n = 1; n <= 36; ++n) {
        m_cells[static_cast<std::size_t>(n)].tag += QString::number((n - 1) / 12 + 1);
    }
    for (int j = 1; j <= 34; j += 3) {
        for (int column = 1; column <= 3; ++column) {
            m_cells[static_cast<std::size_t>(j + column - 1)].tag += QString::number(column);
        }
    }

    m_dozenColumnBoxes.fill(Colours::InactiveTitleBar);
}

void BoardModel::enter(int number)
{
    Q_ASSERT(Roulette::isValidNumber(number));
    if (!Roulette::isValidNumber(number)) {
        return;
    }

    stopBlinking();
    clearEvenChanceAdvice();
    clearDozenColumnAdvice();
    clearNumberBlinking();
    countDraw();
    clearCandidateRow();
    shiftStrip(number);
    m_draws.push_back(static_cast<std::uint8_t>(number));
    trackEvenChances(number);
    // Dozens and columns, after the even-chance pairs.
    m_dozens.trackDozensAndColumns(*this, number);
    m_levelCount = countHitsAndLevel(number);
    m_dozens.adviseNumbers(*this, m_levelCount);
    m_spokenPhrases = m_spokenAdvice.phrasesAfterEntry(*this);
}

void BoardModel::blinkTick(int timer)
{
    if (timer < 1 || timer > BlinkTimerCount || !isTimerEnabled(timer)) {
        return;
    }
    switch (timer) {
    case 1:
    case 2:
    case 3:
        m_evenChances[static_cast<std::size_t>(timer - 1)].blinkTick();
        break;
    case 4:
        m_dozens.Timer4_Timer(*this);
        break;
    case 5:
        m_dozens.Timer5_Timer(*this);
        break;
    case 6:
        m_dozens.Timer6_Timer(*this);
        break;
    default:
        break;
    }
}

void BoardModel::stopBlinking()
{
    m_timers.fill(false);
}

void BoardModel::clearEvenChanceAdvice()
{
    for (EvenChanceTracker& pair : m_evenChances) {
        pair.clearAdvice();
    }
}

// Colour, then passe/manque, then pair/impair; each pair with advice starts its own blink
// (Timer1, Timer2, Timer3).
void BoardModel::trackEvenChances(int number)
{
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        if (m_evenChances[static_cast<std::size_t>(pair)].suiviChanceSimple(cell(number))) {
            m_timers[static_cast<std::size_t>(pair)] = true;
        }
    }
}

void BoardModel::clearDozenColumnAdvice()
{
    m_dozens.clearIndicators();
    m_dozenColumnBoxes.fill(Colours::InactiveTitleBar);
}

void BoardModel::clearNumberBlinking()
{
    for (NumberCell& cell : m_cells) {
        cell.foreColour = Colours::WindowText;
    }
}

void BoardModel::countDraw()
{
    ++m_tirage;
    m_label4Caption = DecimalText::of(m_tirage);
}

void BoardModel::clearCandidateRow()
{
    m_candidates.fill(CaptionBox{});
}

void BoardModel::shiftStrip(int number)
{
    // Moved, not copied: the squares' texts change hands without being copied each time.
    std::move(m_strip.begin() + 1, m_strip.end(), m_strip.begin());
    const NumberCell& drawn = cell(number);
    m_strip[StripLength - 1] = CaptionBox{drawn.text, drawn.backColour};
}

// Counts the hit and finds how many numbers are left at the level. The level rises once no
// number is left at it; the level count label keeps its last value in that case.
int BoardModel::countHitsAndLevel(int number)
{
    ++m_cells[static_cast<std::size_t>(number)].hitCount;

    int levelCount = 0;
    for (const NumberCell& cell : m_cells) {
        if (cell.hitCount == m_repetitionSorti) {
            ++levelCount;
        }
    }
    if (levelCount > 0) {
        m_label3Caption = DecimalText::of(levelCount);
    } else {
        ++m_repetitionSorti;
        m_label2Caption
            = BoardTexts::LevelPrefix + QString::number(m_repetitionSorti) + BoardTexts::LevelSuffix;
        m_compteurProbabiliteNumero = 0;
        m_label8Colour = Colours::Green;
    }
    return levelCount;
}
