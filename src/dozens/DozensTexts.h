// SPDX-License-Identifier: GPL-3.0-or-later
// The dozen and column window's own texts, exactly as the player reads them in French, the
// language they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class DozensTexts
{
    Q_DECLARE_TR_FUNCTIONS(DozensTexts)

public:
    static QString title() { return tr("Colonne/Douzaine"); }
    static QString columns() { return tr("Colonnes   :"); }
    static QString dozens() { return tr("Douzaines :"); }
    static QString help() { return tr("Aide"); }

    // For screen readers. A square: %1 how many draws back (1 the latest), %2 its value.
    static QString columnSquareName() { return tr("Colonne du tirage %1 : %2"); }
    static QString dozenSquareName() { return tr("Douzaine du tirage %1 : %2"); }
    // A square's value: empty, then the first, second and third dozen (column).
    static QString squareValue(int value) { return tr(SquareValues[value]); }
    // The blinking indicators: no advice, or the ones advised, the two besides the repeated one
    // (all three should none be repeated).
    static QString columnsIdle() { return tr("Colonnes : aucun conseil"); }
    static QString dozensIdle() { return tr("Douzaines : aucun conseil"); }
    static QString columnsAdvised() { return tr("Colonnes : conseil en cours, jouer %1"); }
    static QString dozensAdvised() { return tr("Douzaines : conseil en cours, jouer %1"); }
    static QString twoOf() { return tr("%1 et %2"); }
    static QString threeOf() { return tr("%1 et %2 et %3"); }

    // The page's name, the same in every language.
    static inline const QString HelpPage = QStringLiteral("AideCD.html");

private:
    static constexpr const char* SquareValues[4] = {
        QT_TRANSLATE_NOOP("DozensTexts", "vide"),
        QT_TRANSLATE_NOOP("DozensTexts", "1re"),
        QT_TRANSLATE_NOOP("DozensTexts", "2e"),
        QT_TRANSLATE_NOOP("DozensTexts", "3e"),
    };
};
