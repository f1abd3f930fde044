// SPDX-License-Identifier: GPL-3.0-or-later
#include "roulette/Roulette.h"

namespace Roulette {

namespace {

constexpr std::array<int, NumberCount> Wheel = {0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8,
    23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26};

constexpr std::array<int, 18> Reds = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};

// Voisins du zéro run on the wheel from 22 to 25 through zero; tiers du cylindre from 27 to
// 33; the orphelins are the eight left over.
Sector sectorByWheelPlace(int place)
{
    if (place <= 7 || place >= 28) {
        return Sector::VoisinsDuZero;
    }
    if (place >= 11 && place <= 22) {
        return Sector::TiersDuCylindre;
    }
    return Sector::Orphelins;
}

} // namespace

bool isRed(int number)
{
    for (const int red : Reds) {
        if (red == number) {
            return true;
        }
    }
    return false;
}

NumberColour colourOf(int number)
{
    if (number == 0) {
        return NumberColour::Green;
    }
    return isRed(number) ? NumberColour::Red : NumberColour::Black;
}

Half halfOf(int number)
{
    if (number < 1 || number > HighestNumber) {
        return Half::None;
    }
    return number <= 18 ? Half::Manque : Half::Passe;
}

Parity parityOf(int number)
{
    if (number < 1 || number > HighestNumber) {
        return Parity::None;
    }
    return number % 2 == 1 ? Parity::Impair : Parity::Pair;
}

Dozen dozenOf(int number)
{
    if (number < 1 || number > HighestNumber) {
        return Dozen::None;
    }
    return static_cast<Dozen>((number - 1) / 12 + 1);
}

Column columnOf(int number)
{
    if (number < 1 || number > HighestNumber) {
        return Column::None;
    }
    return static_cast<Column>((number - 1) % 3 + 1);
}

const std::array<int, NumberCount>& wheelOrder()
{
    return Wheel;
}

Sector sectorOf(int number)
{
    static const std::array<Sector, NumberCount> sectors = [] {
        std::array<Sector, NumberCount> made{};
        for (int place = 0; place < NumberCount; ++place) {
            made[static_cast<std::size_t>(Wheel[static_cast<std::size_t>(place)])]
                = sectorByWheelPlace(place);
        }
        return made;
    }();
    return isValidNumber(number) ? sectors[static_cast<std::size_t>(number)] : Sector::Orphelins;
}

int sectorSize(Sector sector)
{
    switch (sector) {
    case Sector::VoisinsDuZero:
        return 17;
    case Sector::TiersDuCylindre:
        return 12;
    case Sector::Orphelins:
        break;
    }
    return 8;
}

} // namespace Roulette
