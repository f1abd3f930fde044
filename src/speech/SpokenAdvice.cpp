// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpokenAdvice.h"

#include "speech/SpeechTexts.h"

namespace SpokenAdvice {

QStringList phrases(const AdviceSummary& advice)
{
    using namespace Roulette;
    QStringList said;
    if (advice.colour == NumberColour::Red) {
        said << SpeechTexts::red();
    }
    if (advice.colour == NumberColour::Black) {
        said << SpeechTexts::black();
    }
    if (advice.half == Half::Manque) {
        said << SpeechTexts::manque();
    }
    if (advice.half == Half::Passe) {
        said << SpeechTexts::passe();
    }
    if (advice.parity == Parity::Pair) {
        said << SpeechTexts::pair();
    }
    if (advice.parity == Parity::Impair) {
        said << SpeechTexts::impair();
    }
    if (advice.columns) {
        said << SpeechTexts::columns();
    }
    if (advice.dozens) {
        said << SpeechTexts::dozens();
    }
    if (advice.numbersWaitedLong) {
        said << SpeechTexts::numbers();
    }
    return said;
}

} // namespace SpokenAdvice
