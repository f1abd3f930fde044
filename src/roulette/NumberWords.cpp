// SPDX-License-Identifier: GPL-3.0-or-later
#include "roulette/NumberWords.h"

#include "platform/Language.h"

#include <QCoreApplication>
#include <optional>

namespace NumberWords {

namespace {

QString nameOf(int number)
{
    switch (Roulette::colourOf(number)) {
    case Roulette::NumberColour::Red:
        return QCoreApplication::translate("NumberWords", "%1 rouge").arg(number);
    case Roulette::NumberColour::Black:
        return QCoreApplication::translate("NumberWords", "%1 noir").arg(number);
    case Roulette::NumberColour::Green:
        break;
    }
    return QCoreApplication::translate("NumberWords", "%1 vert").arg(number);
}

} // namespace

// Every window says its numbers again after every entry: the 37 names are made once for the
// language they are said in.
QString numberName(int number)
{
    static std::optional<Language::Choice> madeIn;
    static std::array<QString, Roulette::NumberCount> names;
    if (madeIn != Language::current()) {
        for (int n = 0; n < Roulette::NumberCount; ++n) {
            names[static_cast<std::size_t>(n)] = nameOf(n);
        }
        madeIn = Language::current();
    }
    if (!Roulette::isValidNumber(number)) {
        return QCoreApplication::translate("NumberWords", "vide");
    }
    return names[static_cast<std::size_t>(number)];
}

} // namespace NumberWords
