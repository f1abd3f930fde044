// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DecimalText.h"
#include "trends/TrendTexts.h"

namespace TrendWords {

QString markWord(EvenChance pair, Mark mark)
{
    static const QString sides[EvenChanceCount][2] = {
        {QStringLiteral("rouge"), QStringLiteral("noir")},
        {QStringLiteral("manque"), QStringLiteral("passe")},
        {QStringLiteral("impair"), QStringLiteral("pair")},
    };
    if (EvenChances::isSide(mark)) {
        return sides[static_cast<int>(pair)][mark == Mark::FirstSide ? 0 : 1];
    }
    // Only the colour window shows a zero: in green.
    if (mark == Mark::Zero && pair == EvenChance::Colour) {
        return QStringLiteral("vert");
    }
    return QStringLiteral("vide");
}

QString warningWord(EvenChanceTracker::Warning warning)
{
    switch (warning) {
    case EvenChanceTracker::Warning::Orange:
        return QStringLiteral("alerte orange");
    case EvenChanceTracker::Warning::Red:
        return QStringLiteral("alerte rouge");
    case EvenChanceTracker::Warning::None:
        break;
    }
    return QStringLiteral("pas d’alerte");
}

QString counterName(int kind, int drawsSince)
{
    static const QString names[EvenChanceTracker::CounterCount] = {
        QStringLiteral("Tirages depuis la dernière série de 5 : "),
        QStringLiteral("Tirages depuis la dernière série de 6 : "),
        QStringLiteral("Tirages depuis la dernière alternance de 5 : "),
        QStringLiteral("Tirages depuis la dernière alternance de 6 : "),
    };
    return names[kind] + (drawsSince >= 1 ? DecimalText::of(drawsSince) : QStringLiteral("pas encore"));
}

QString adviceText(const QString& caption, EvenChance pair, Mark suggestion)
{
    if (caption.trimmed().isEmpty()) {
        return QStringLiteral("Aucun conseil");
    }
    return caption.trimmed() + QLatin1Char(' ') + markWord(pair, suggestion);
}

} // namespace TrendWords
