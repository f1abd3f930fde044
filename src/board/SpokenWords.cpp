#include "board/SpokenWords.h"

#include <QStringList>

namespace SpokenWords {

QString colourWord(ColourCode colour)
{
    switch (colour) {
    case Colours::Red:
        return QStringLiteral("rouge");
    case Colours::Grey:
        return QStringLiteral("noir");
    case Colours::Green:
    case Colours::DarkGreen:
        return QStringLiteral("vert");
    default:
        return {};
    }
}

QString numberName(const QString& number, ColourCode colour)
{
    if (number.isEmpty()) {
        return QStringLiteral("vide");
    }
    const QString word = colourWord(colour);
    return word.isEmpty() ? number : number + QLatin1Char(' ') + word;
}

QString cellDescription(const QString& toolTip, bool advised)
{
    QString description = toolTip.isEmpty() ? QStringLiteral("Pas encore sorti") : toolTip.trimmed();
    if (advised) {
        description += QStringLiteral(", numéro conseillé");
    }
    return description;
}

QString waitingIndicator(ColourCode colour)
{
    switch (colour) {
    case Colours::Orange:
        return QStringLiteral("Attente des numéros conseillés : orange, longue");
    case Colours::Red:
        return QStringLiteral("Attente des numéros conseillés : rouge, très longue");
    default:
        return QStringLiteral("Attente des numéros conseillés : vert");
    }
}

QString boxDescription(ColourCode colour)
{
    return colour == Colours::Yellow ? QStringLiteral("conseillée, à jouer")
                                     : QStringLiteral("non conseillée");
}

QString groupIndicator(const QString& group, ColourCode indicator, const QString& repeated)
{
    if (indicator == Colours::InactiveTitleBar) {
        return group + QStringLiteral(" : aucun conseil");
    }
    QStringList others;
    for (const char* value : {"1", "2", "3"}) {
        if (repeated != QLatin1String(value)) {
            others << QString::fromLatin1(value);
        }
    }
    if (others.size() != 2) {
        return group + QStringLiteral(" : conseil en cours");
    }
    return group + QStringLiteral(" : conseil en cours, jouer ") + others.join(QStringLiteral(" et "));
}

} // namespace SpokenWords
