// SPDX-License-Identifier: GPL-3.0-or-later
// The board's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace BoardTexts {

inline const QString LevelNotYetDrawn = QStringLiteral("N° Pas encore Sortis :");
inline const QString LevelPrefix = QStringLiteral(" N° Sortis Seulement : ");
inline const QString LevelSuffix = QStringLiteral(" Fois");
inline const QString HitCountSuffix = QStringLiteral(" Fois Sorti");
inline const QString ConfirmPrompt = QStringLiteral("Vous avez choisi le Chiffre :");
inline const QString ConfirmTitle = QStringLiteral("Votre chiffre : ");
inline const QString DrawCountTip = QStringLiteral("Nombre de tirage");
inline const QString AdviceRow = QStringLiteral("Vous pouvez Jouer les Numeros Clignotants");
inline const QString Simulate = QStringLiteral("SIMULER");
inline const QString Stakes = QStringLiteral("M");
inline const QString HelpPage = QStringLiteral("AideGenerale.html");

// The board's menu, in its order. "Statistiques…" goes right after the undo.
inline const QString MenuUndo = QStringLiteral("Annuler le dernier numéro");
inline const QString MenuStatistics = QStringLiteral("Statistiques…");
inline const QString MenuNumberList = QStringLiteral("Saisir une liste de numéros…");
inline const QString MenuImport = QStringLiteral("Importer des tirages…");
inline const QString MenuExport = QStringLiteral("Exporter la partie…");
inline const QString MenuPreviousGames = QStringLiteral("Parties précédentes…");
inline const QString MenuNewGame = QStringLiteral("Nouvelle partie");
// "Annuler le dernier numéro : 17 ?"
inline const QString UndoPrompt = QStringLiteral("Annuler le dernier numéro : %1 ?");

// The boxes of the three dozens, then the three columns; leading blanks as designed.
inline const QString DozenColumnBoxes[6] = {
    QStringLiteral("    1er Douzaine"),
    QStringLiteral("   2em Douzaine"),
    QStringLiteral("   3em Douzaine"),
    QStringLiteral("1e Col"),
    QStringLiteral("2e Col"),
    QStringLiteral("3e Col"),
};

} // namespace BoardTexts
