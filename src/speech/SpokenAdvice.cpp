#include "speech/SpokenAdvice.h"

#include "board/BoardModel.h"
#include "speech/SpeechTexts.h"

void SpokenAdvice::basculeParole()
{
    m_paroleAgrandie = !m_paroleAgrandie;
}

// Each check stands on its own: a blinking pair speaks the side its suggestion cell holds,
// blinking columns, dozens and a red waiting indicator speak their own sentence.
QStringList SpokenAdvice::phrasesAfterEntry(const BoardModel& board) const
{
    QStringList phrases;
    if (!m_paroleAgrandie) {
        return phrases;
    }
    const Mark colour = board.evenChance(EvenChance::Colour).cell(EvenChanceTracker::SuggestionCell);
    const Mark passeManque
        = board.evenChance(EvenChance::PasseManque).cell(EvenChanceTracker::SuggestionCell);
    const Mark pairImpair = board.evenChance(EvenChance::PairImpair).cell(EvenChanceTracker::SuggestionCell);

    if (board.isTimerEnabled(1) && colour == Mark::ofColour(Colours::Red)) {
        phrases << SpeechTexts::Red;
    }
    if (board.isTimerEnabled(1) && colour == Mark::ofColour(Colours::Grey)) {
        phrases << SpeechTexts::Black;
    }
    if (board.isTimerEnabled(2) && passeManque == Mark::ofText(QStringLiteral("-"))) {
        phrases << SpeechTexts::Manque;
    }
    if (board.isTimerEnabled(2) && passeManque == Mark::ofText(QStringLiteral("+"))) {
        phrases << SpeechTexts::Passe;
    }
    if (board.isTimerEnabled(3) && pairImpair == Mark::ofText(QStringLiteral("P"))) {
        phrases << SpeechTexts::Pair;
    }
    if (board.isTimerEnabled(3) && pairImpair == Mark::ofText(QStringLiteral("I"))) {
        phrases << SpeechTexts::Impair;
    }
    if (board.isTimerEnabled(4)) {
        phrases << SpeechTexts::Columns;
    }
    if (board.isTimerEnabled(5)) {
        phrases << SpeechTexts::Dozens;
    }
    if (board.label8Colour() == Colours::Red) {
        phrases << SpeechTexts::Numbers;
    }
    return phrases;
}
