// SPDX-License-Identifier: GPL-3.0-or-later
// The sentences of the spoken advice, exactly as they are read aloud.
#pragma once

#include <QString>

namespace SpeechTexts {

inline const QString Red = QStringLiteral("Vous pouvez jouer , la couleur ROUGE !");
inline const QString Black = QStringLiteral("Vous pouvez jouer , la couleur NOIR !");
inline const QString Manque = QStringLiteral("Vous pouvez jouer , les numeros de 1 , a 18 !");
inline const QString Passe = QStringLiteral("Vous pouvez jouer , les numeros de 19 , a 36 !");
inline const QString Pair = QStringLiteral("Vous pouvez jouer , les numeros , PAIRE !");
inline const QString Impair = QStringLiteral("Vous pouvez jouer , les numeros , IMPAIRE !");
inline const QString Columns = QStringLiteral("Vous pouvez jouer , les colonnes , JAUNES !");
inline const QString Dozens = QStringLiteral("Vous pouvez jouer , les douzaines , JAUNES !");
inline const QString Numbers = QStringLiteral("Vous pouvez jouer , les numeros  , clignotants !");

inline const QString IndicatorTip
    = QStringLiteral("Conseils parlés : cliquez ici (ou appuyez sur Espace) pour les activer ou les couper");
inline const QString IndicatorOn = QStringLiteral("Conseils parlés activés");
inline const QString IndicatorOff = QStringLiteral("Conseils parlés coupés");

} // namespace SpeechTexts
