// SPDX-License-Identifier: GPL-3.0-or-later
// The single-zero wheel as typed functions: numbers 0 to 36, their colours, the even
// chances, the dozens and columns, the order of the wheel and its three sectors.
#pragma once

#include <array>
#include <cstdint>

namespace Roulette {

constexpr int NumberCount = 37;
constexpr int HighestNumber = 36;

constexpr bool isValidNumber(int number)
{
    return number >= 0 && number <= HighestNumber;
}

enum class NumberColour : std::uint8_t { Green, Red, Black };
// Manque is 1 to 18, passe 19 to 36; zero is neither, nor pair nor impair.
enum class Half : std::uint8_t { None, Manque, Passe };
enum class Parity : std::uint8_t { None, Impair, Pair };
// First is 1 to 12 (dozens) or 1, 4, 7 ... 34 (columns); zero belongs to none.
enum class Dozen : std::uint8_t { None = 0, First = 1, Second = 2, Third = 3 };
enum class Column : std::uint8_t { None = 0, First = 1, Second = 2, Third = 3 };
enum class Sector : std::uint8_t { VoisinsDuZero, TiersDuCylindre, Orphelins };

constexpr int SectorCount = 3;

bool isRed(int number);
NumberColour colourOf(int number);
Half halfOf(int number);
Parity parityOf(int number);
Dozen dozenOf(int number);
Column columnOf(int number);
Sector sectorOf(int number);

// The numbers as they stand around the wheel, from zero clockwise.
const std::array<int, NumberCount>& wheelOrder();

// How many numbers a sector holds: 17, 12 and 8.
int sectorSize(Sector sector);

} // namespace Roulette
