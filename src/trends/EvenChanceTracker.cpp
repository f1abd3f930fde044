#include "trends/EvenChanceTracker.h"

#include "board/BoardModel.h"
#include "platform/DecimalText.h"
#include "trends/TrendTexts.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int AdviceThreshold = 4;

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

QString writeChanceCaption(int length)
{
    return TrendTexts::ChancePrefix + QString::number((length + 10) * 10) + TrendTexts::ChanceSuffix;
}

// Runs and alternations are never longer than the history: their captions are made once.
QString chanceCaption(int length)
{
    static const std::array<QString, EvenChanceTracker::HistoryLength + 1> captions = [] {
        std::array<QString, EvenChanceTracker::HistoryLength + 1> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            made[i] = writeChanceCaption(static_cast<int>(i));
        }
        return made;
    }();
    if (length >= 0 && length <= EvenChanceTracker::HistoryLength) {
        return captions[static_cast<std::size_t>(length)];
    }
    return writeChanceCaption(length);
}

} // namespace

EvenChanceTracker::EvenChanceTracker(EvenChance pair)
    : m_definition(&PairDefinition::of(pair))
{
    m_cells.fill(m_definition->unwritten);
}

void EvenChanceTracker::clearAdvice()
{
    m_label1Colour = Colours::ButtonFace;
}

bool EvenChanceTracker::suiviChanceSimple(const NumberCell& drawn)
{
    const PairDefinition& pair = *m_definition;
    m_shown = true;
    m_label1Caption.clear();

    std::move(m_cells.begin() + 1, m_cells.begin() + HistoryLength, m_cells.begin());
    m_cells[HistoryLength - 1] = pair.markOf(drawn);
    const Mark newest = m_cells[HistoryLength - 1];

    int run = 1;
    for (int i = HistoryLength - 2; i >= 0 && cell(i) == newest; --i) {
        ++run;
    }

    // Strict alternation back from the newest mark. After a zero the colour window expects
    // nothing (no cell matches); the two others expect the empty text again and again.
    std::optional<Mark> expected
        = pair.isSide(newest) ? std::optional<Mark>(pair.otherSide(newest)) : pair.expectedAfterZero;
    int alternation = 0;
    for (int i = HistoryLength - 2; i >= 0; --i) {
        if (!expected || cell(i) != *expected) {
            break;
        }
        ++alternation;
        if (pair.isSide(*expected)) {
            expected = pair.otherSide(*expected);
        }
    }
    m_runLength = run;
    m_alternationCount = alternation;
    m_label10Caption = DecimalText::of(alternation);

    // A long run: play the other side. A long alternation: play the side that continues it.
    // The alternation advice is written last and stands when both apply.
    if (run >= AdviceThreshold) {
        if (pair.isSide(newest)) {
            m_cells[SuggestionCell] = pair.otherSide(newest);
        }
        m_label1Caption = chanceCaption(run);
    }
    if (alternation >= AdviceThreshold) {
        m_cells[SuggestionCell] = newest;
        m_label1Caption = chanceCaption(alternation);
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

    if (counter.nombrerepetition == 0 && longRun) {
        counter.tirage = 1;
    }
    if (counter.tirage >= 1) {
        ++counter.tirage;
        counter.countCaption = DecimalText::of(counter.tirage);
    }
    if (counter.tirage > rule.orangeAbove) {
        counter.warningColour = Colours::Orange;
        if (counter.tirage > rule.redAbove) {
            counter.warningColour = Colours::Red;
        }
    }
    if (counter.nombrerepetition == 1 && longRun) {
        counter.nombrerepetition = 0;
        counter.tirage = 1;
        counter.warningColour = Colours::InactiveTitleBar;
        counter.countCaption = QStringLiteral("1");
    }
    if (counter.nombrerepetition == 0 && longRun) {
        counter.nombrerepetition = 1;
    }
}

void EvenChanceTracker::blinkTick()
{
    if (m_phase == 0) {
        m_label1Colour = Colours::Red;
        m_phase = 1;
    } else {
        m_label1Colour = Colours::ButtonFace;
        m_phase = 0;
    }
}
