// SPDX-License-Identifier: GPL-3.0-or-later
#include "trends/TrendTexts.h"

namespace TrendWords {

namespace {

// The words of the windows' marks: each pair's two sides, then green and empty.
struct MarkWords
{
    QString sides[EvenChanceCount][2];
    QString green;
    QString empty;
};

const MarkWords& markWords()
{
    return translatedOnce([] {
        MarkWords made;
        made.sides[0][0] = QCoreApplication::translate("TrendWords", "rouge");
        made.sides[0][1] = QCoreApplication::translate("TrendWords", "noir");
        made.sides[1][0] = QCoreApplication::translate("TrendWords", "manque");
        made.sides[1][1] = QCoreApplication::translate("TrendWords", "passe");
        made.sides[2][0] = QCoreApplication::translate("TrendWords", "impair");
        made.sides[2][1] = QCoreApplication::translate("TrendWords", "pair");
        made.green = QCoreApplication::translate("TrendWords", "vert");
        made.empty = QCoreApplication::translate("TrendWords", "vide");
        return made;
    });
}

// Each counter as it runs ("%1" the draws since its last run) and before its first run.
constexpr const char* CounterNames[EvenChanceTracker::CounterCount][2] = {
    {QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière série de 5 : %1"),
        QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière série de 5 : pas encore")},
    {QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière série de 6 : %1"),
        QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière série de 6 : pas encore")},
    {QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière alternance de 5 : %1"),
        QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière alternance de 5 : pas encore")},
    {QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière alternance de 6 : %1"),
        QT_TRANSLATE_NOOP("TrendWords", "Tirages depuis la dernière alternance de 6 : pas encore")},
};

} // namespace

QString markWord(EvenChance pair, Mark mark)
{
    const MarkWords& words = markWords();
    if (EvenChances::isSide(mark)) {
        return words.sides[static_cast<int>(pair)][mark == Mark::FirstSide ? 0 : 1];
    }
    // Only the colour window shows a zero: in green.
    if (mark == Mark::Zero && pair == EvenChance::Colour) {
        return words.green;
    }
    return words.empty;
}

QString warningWord(EvenChanceTracker::Warning warning)
{
    switch (warning) {
    case EvenChanceTracker::Warning::Orange:
        return QCoreApplication::translate("TrendWords", "alerte orange");
    case EvenChanceTracker::Warning::Red:
        return QCoreApplication::translate("TrendWords", "alerte rouge");
    case EvenChanceTracker::Warning::None:
        break;
    }
    return QCoreApplication::translate("TrendWords", "pas d’alerte");
}

QString counterName(int kind, int drawsSince)
{
    if (drawsSince >= 1) {
        return QCoreApplication::translate("TrendWords", CounterNames[kind][0]).arg(drawsSince);
    }
    return QCoreApplication::translate("TrendWords", CounterNames[kind][1]);
}

QString adviceText(const QString& caption, EvenChance pair, Mark suggestion)
{
    if (caption.trimmed().isEmpty()) {
        return QCoreApplication::translate("TrendWords", "Aucun conseil");
    }
    return TrendTexts::adviceName(caption.trimmed(), markWord(pair, suggestion));
}

} // namespace TrendWords
