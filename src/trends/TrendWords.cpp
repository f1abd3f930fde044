#include "board/SpokenWords.h"
#include "trends/EvenChance.h"
#include "trends/TrendTexts.h"

namespace TrendWords {

QString markWord(const Mark& mark)
{
    if (mark.isColour) {
        const QString word = SpokenWords::colourWord(mark.colour);
        return word.isEmpty() ? QStringLiteral("vide") : word;
    }
    if (mark.text == QLatin1String("-")) {
        return QStringLiteral("manque");
    }
    if (mark.text == QLatin1String("+")) {
        return QStringLiteral("passe");
    }
    if (mark.text == QLatin1String("I")) {
        return QStringLiteral("impair");
    }
    if (mark.text == QLatin1String("P")) {
        return QStringLiteral("pair");
    }
    return QStringLiteral("vide");
}

QString warningWord(ColourCode colour)
{
    switch (colour) {
    case Colours::Orange:
        return QStringLiteral("alerte orange");
    case Colours::Red:
        return QStringLiteral("alerte rouge");
    default:
        return QStringLiteral("pas d’alerte");
    }
}

QString adviceText(const QString& caption, const Mark& suggestion)
{
    if (caption.trimmed().isEmpty()) {
        return QStringLiteral("Aucun conseil");
    }
    return caption.trimmed() + QLatin1Char(' ') + markWord(suggestion);
}

} // namespace TrendWords
