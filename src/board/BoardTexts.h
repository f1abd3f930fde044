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
inline const QString MenuAdviceAccount = QStringLiteral("Bilan des conseils");
inline const QString MenuNumberList = QStringLiteral("Saisir une liste de numéros…");
inline const QString MenuImport = QStringLiteral("Importer des tirages…");
inline const QString MenuExport = QStringLiteral("Exporter la partie…");
inline const QString MenuPreviousGames = QStringLiteral("Parties précédentes…");
inline const QString MenuNewGame = QStringLiteral("Nouvelle partie");
// Several tables: the menu after "Nouvelle partie", the item of a table that reached an
// advice while another was shown, the board's title, a question asked for a table not shown
// and its spoken advice.
inline const QString MenuTables = QStringLiteral("Tables");
inline const QString MenuNewTable = QStringLiteral("Nouvelle table");
inline const QString MenuRenameTable = QStringLiteral("Renommer la table…");
inline const QString MenuCloseTable = QStringLiteral("Fermer la table");
inline const QString MarkedTable = QStringLiteral("%1 — conseil");
inline const QString RenameTableTitle = QStringLiteral("Renommer la table");
inline const QString RenameTablePrompt = QStringLiteral("Nom de la table :");
inline const QString TitleWithTable = QStringLiteral("%1 — %2");
inline const QString SpokenAtTable = QStringLiteral("%1 : %2");
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
