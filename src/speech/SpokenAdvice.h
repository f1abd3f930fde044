// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken advice: the sentences an entry reads aloud, from a summary of the advice it left.
#pragma once

#include "roulette/Roulette.h"

#include <QStringList>
#include <optional>

// What an entry advises, as far as speech is concerned: each blinking pair with the side its
// suggestion holds, blinking columns and dozens, and candidates that have waited long.
struct AdviceSummary
{
    std::optional<Roulette::NumberColour> colour;
    std::optional<Roulette::Half> half;
    std::optional<Roulette::Parity> parity;
    bool columns = false;
    bool dozens = false;
    bool numbersWaitedLong = false;
};

namespace SpokenAdvice {

// The sentences to read, in their order.
QStringList phrases(const AdviceSummary& advice);

} // namespace SpokenAdvice
