// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences of the spoken advice, exactly as they are read aloud in French, the language
// they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class SpeechTexts
{
    Q_DECLARE_TR_FUNCTIONS(SpeechTexts)

public:
    // The commas are pauses for the speech engine.
    static QString red() { return tr("Vous pouvez jouer , la couleur ROUGE !"); }
    static QString black() { return tr("Vous pouvez jouer , la couleur NOIR !"); }
    static QString manque() { return tr("Vous pouvez jouer , les numeros de 1 , a 18 !"); }
    static QString passe() { return tr("Vous pouvez jouer , les numeros de 19 , a 36 !"); }
    static QString pair() { return tr("Vous pouvez jouer , les numeros , PAIRE !"); }
    static QString impair() { return tr("Vous pouvez jouer , les numeros , IMPAIRE !"); }
    static QString columns() { return tr("Vous pouvez jouer , les colonnes , JAUNES !"); }
    static QString dozens() { return tr("Vous pouvez jouer , les douzaines , JAUNES !"); }
    static QString numbers() { return tr("Vous pouvez jouer , les numeros  , clignotants !"); }

    static QString indicatorTip()
    {
        return tr("Conseils parlés : cliquez ici (ou appuyez sur Espace) pour les activer ou les couper");
    }
    static QString indicatorOn() { return tr("Conseils parlés activés"); }
    static QString indicatorOff() { return tr("Conseils parlés coupés"); }
};
