// SPDX-License-Identifier: GPL-3.0-or-later
#include "roulette/NumberWords.h"

namespace NumberWords {

QString colourWord(Roulette::NumberColour colour)
{
    switch (colour) {
    case Roulette::NumberColour::Red:
        return QStringLiteral("rouge");
    case Roulette::NumberColour::Black:
        return QStringLiteral("noir");
    case Roulette::NumberColour::Green:
        break;
    }
    return QStringLiteral("vert");
}

// Every window says its numbers again after every entry: the 37 names are made once.
QString numberName(int number)
{
    static const std::array<QString, Roulette::NumberCount> names = [] {
        std::array<QString, Roulette::NumberCount> made;
        for (int n = 0; n < Roulette::NumberCount; ++n) {
            made[static_cast<std::size_t>(n)]
                = QString::number(n) + QLatin1Char(' ') + colourWord(Roulette::colourOf(n));
        }
        return made;
    }();
    if (!Roulette::isValidNumber(number)) {
        return QStringLiteral("vide");
    }
    return names[static_cast<std::size_t>(number)];
}

} // namespace NumberWords
