// SPDX-License-Identifier: GPL-3.0-or-later
// What the board shows by colour alone, said in words for screen readers: whether a number
// is one to play, how long the waiting numbers have waited, whether a dozen or column box is
// advised.
#pragma once

#include "board/NumberAdvice.h"

#include <QString>

namespace BoardWords {

// How many times the cell's number came out, or that it has not come out yet, and whether
// it is one of the numbers to play.
QString cellDescription(int hits, bool advised);

QString waitingIndicator(WaitingLevel level);

QString boxDescription(bool advised);

} // namespace BoardWords
