// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpokenAdvice.h"

#include "speech/SpeechTexts.h"

namespace SpokenAdvice {

QStringList phrases(const AdviceSummary& advice)
{
    using namespace Roulette;
    QStringList said;
    if (advice.colour == NumberColour::Red) {
        said << SpeechTexts::Red;
    }
    if (advice.colour == NumberColour::Black) {
        said << SpeechTexts::Black;
    }
    if (advice.half == Half::Manque) {
        said << SpeechTexts::Manque;
    }
    if (advice.half == Half::Passe) {
        said << SpeechTexts::Passe;
    }
    if (advice.parity == Parity::Pair) {
        said << SpeechTexts::Pair;
    }
    if (advice.parity == Parity::Impair) {
        said << SpeechTexts::Impair;
    }
    if (advice.columns) {
        said << SpeechTexts::Columns;
    }
    if (advice.dozens) {
        said << SpeechTexts::Dozens;
    }
    if (advice.numbersWaitedLong) {
        said << SpeechTexts::Numbers;
    }
    return said;
}

} // namespace SpokenAdvice
