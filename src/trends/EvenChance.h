// SPDX-License-Identifier: GPL-3.0-or-later
// The three even-money pairs and what a cell of their trend windows holds: nothing yet, a
// zero, or one of the pair's two sides (rouge/noir, manque/passe, impair/pair).
#pragma once

#include <cstdint>

enum class EvenChance { Colour = 0, PasseManque = 1, PairImpair = 2 };

constexpr int EvenChanceCount = 3;

// The first side is rouge, manque or impair; the second noir, passe or pair.
enum class Mark : std::uint8_t { Unwritten, Zero, FirstSide, SecondSide };

namespace EvenChances {

// The side a drawn number falls on in the pair; a zero falls on neither.
Mark markOf(EvenChance pair, int number);

constexpr bool isSide(Mark mark)
{
    return mark == Mark::FirstSide || mark == Mark::SecondSide;
}

constexpr Mark otherSide(Mark side)
{
    return side == Mark::FirstSide ? Mark::SecondSide : Mark::FirstSide;
}

// Whether two cells look alike. The colour window shows a zero in green, apart from a cell
// never written; the two others write nothing for a zero, so a zero and an empty cell match.
constexpr bool lookAlike(EvenChance pair, Mark a, Mark b)
{
    return a == b || (pair != EvenChance::Colour && !isSide(a) && !isSide(b));
}

} // namespace EvenChances
