// The single-zero wheel: numbers 0 to 36, their colours, and the attribute code the board
// writes for each (manque/passe, impair/pair, dozen, column).
#pragma once

#include "platform/ColourCode.h"
#include "roulette/Roulette.h"

#include <QString>

namespace Roulette {

// Red for the eighteen red numbers, grey for the black ones, green for zero.
ColourCode colourCodeOf(int number);

// Character k (1 to 4) of an attribute code, or the empty text when the code is shorter,
// which is how zero's empty code reads.
QString attribute(const QString& code, int position);

} // namespace Roulette
