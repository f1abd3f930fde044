// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardWords.h"

#include <QCoreApplication>

namespace BoardWords {

QString cellDescription(int hits, bool advised)
{
    if (hits == 0) {
        return advised ? QCoreApplication::translate("BoardWords", "Pas encore sorti, numéro conseillé")
                       : QCoreApplication::translate("BoardWords", "Pas encore sorti");
    }
    return advised
        ? QCoreApplication::translate("BoardWords", "%n Fois Sorti, numéro conseillé", nullptr, hits)
        : QCoreApplication::translate("BoardWords", "%n Fois Sorti", nullptr, hits);
}

QString waitingIndicator(WaitingLevel level)
{
    switch (level) {
    case WaitingLevel::Orange:
        return QCoreApplication::translate("BoardWords", "Attente des numéros conseillés : orange, longue");
    case WaitingLevel::Red:
        return QCoreApplication::translate(
            "BoardWords", "Attente des numéros conseillés : rouge, très longue");
    case WaitingLevel::Green:
        break;
    }
    return QCoreApplication::translate("BoardWords", "Attente des numéros conseillés : vert");
}

QString boxDescription(bool advised)
{
    return advised ? QCoreApplication::translate("BoardWords", "conseillée, à jouer")
                   : QCoreApplication::translate("BoardWords", "non conseillée");
}

} // namespace BoardWords
