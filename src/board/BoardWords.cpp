// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardWords.h"

namespace BoardWords {

QString cellDescription(const QString& toolTip, bool advised)
{
    QString description = toolTip.isEmpty() ? QStringLiteral("Pas encore sorti") : toolTip.trimmed();
    if (advised) {
        description += QStringLiteral(", numéro conseillé");
    }
    return description;
}

QString waitingIndicator(WaitingLevel level)
{
    switch (level) {
    case WaitingLevel::Orange:
        return QStringLiteral("Attente des numéros conseillés : orange, longue");
    case WaitingLevel::Red:
        return QStringLiteral("Attente des numéros conseillés : rouge, très longue");
    case WaitingLevel::Green:
        break;
    }
    return QStringLiteral("Attente des numéros conseillés : vert");
}

QString boxDescription(bool advised)
{
    return advised ? QStringLiteral("conseillée, à jouer") : QStringLiteral("non conseillée");
}

} // namespace BoardWords
