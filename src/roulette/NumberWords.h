// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers said in words, for screen readers: "7 rouge", "0 vert".
#pragma once

#include "roulette/Roulette.h"

#include <QString>

namespace NumberWords {

// "rouge", "noir", "vert".
QString colourWord(Roulette::NumberColour colour);

// "7 rouge", "0 vert"; "vide" for a square that holds no number (-1).
QString numberName(int number);

} // namespace NumberWords
