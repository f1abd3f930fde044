// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers said in words for screen readers, in the player's language: "7 rouge", "0 vert".
#pragma once

#include "roulette/Roulette.h"

#include <QString>

namespace NumberWords {

// "7 rouge", "0 vert"; "vide" for a square that holds no number (-1).
QString numberName(int number);

} // namespace NumberWords
