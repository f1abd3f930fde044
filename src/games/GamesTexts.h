// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of kept games, exactly as the player reads them: the list of numbers, previous
// games, export, the resume question and what is said when a game cannot be saved. The
// sentences made of them are GamesWords'.
#pragma once

#include <QString>

namespace GamesTexts {

// --- The list of numbers --------------------------------------------------------------
inline const QString ListTitle = QStringLiteral("Saisir une liste de numéros");
inline const QString ListPrompt = QStringLiteral(
    "Collez ou tapez les numéros, séparés par des espaces, des virgules, des points-virgules "
    "ou des retours à la ligne :");
inline const QString ListOrder = QStringLiteral("Ordre de la liste");
inline const QString OldestFirst = QStringLiteral("Du plus ancien au plus récent");
inline const QString NewestFirst = QStringLiteral("Du plus récent au plus ancien");
inline const QString Add = QStringLiteral("Ajouter");
inline const QString Cancel = QStringLiteral("Annuler");
inline const QString NothingToAdd = QStringLiteral("Aucun numéro à ajouter");
inline const QString OneToAdd = QStringLiteral("1 numéro à ajouter");
inline const QString ManyToAdd = QStringLiteral("%1 numéros à ajouter");
inline const QString OneToCorrect = QStringLiteral("1 erreur à corriger");
inline const QString ManyToCorrect = QStringLiteral("%1 erreurs à corriger");
// « 37 » n'est pas un numéro de 0 à 36 (5e position)
inline const QString NotANumber = QStringLiteral("« %1 » n'est pas un numéro de 0 à 36 (%2 position)");
inline const QString FirstPlace = QStringLiteral("1re");
inline const QString NthPlace = QStringLiteral("%1e"); // 2e, 3e…
inline const QString WordCut = QStringLiteral("…");
inline const QString OneMoreError = QStringLiteral("… et 1 autre erreur");
inline const QString MoreErrors = QStringLiteral("… et %1 autres erreurs");

// --- Previous games -------------------------------------------------------------------
inline const QString PreviousTitle = QStringLiteral("Parties précédentes");
inline const QString NoPreviousGame = QStringLiteral("Aucune partie précédente.");
inline const QString ColumnStarted = QStringLiteral("Commencée le");
inline const QString ColumnTable = QStringLiteral("Table");
inline const QString ColumnDraws = QStringLiteral("Numéros");
inline const QString ColumnLastNumbers = QStringLiteral("Derniers numéros");
inline const QString ColumnState = QStringLiteral("État");
inline const QString Finished = QStringLiteral("Terminée");
inline const QString Interrupted = QStringLiteral("Interrompue");
inline const QString NewerVersion = QStringLiteral("Version plus récente");
inline const QString Resume = QStringLiteral("Reprendre");
inline const QString Export = QStringLiteral("Exporter…");
inline const QString Delete = QStringLiteral("Supprimer");
inline const QString Close = QStringLiteral("Fermer");
inline const QString LastNumbersCut = QStringLiteral("… ");
inline const QString DeleteQuestion
    = QStringLiteral("Supprimer la partie commencée le %1 (%2) ?\n\nElle sera effacée de cet ordinateur.");
inline const QString NotDeleted = QStringLiteral("La partie n'a pas pu être supprimée : %1.");
inline const QString HeldElsewhere = QStringLiteral("cette partie est ouverte dans un autre Tambrel");
inline const QString WrittenByNewerVersion
    = QStringLiteral("cette partie a été enregistrée par une version plus récente de Tambrel");
inline const QString Gone = QStringLiteral("le fichier de cette partie n'existe plus");
inline const QString Unreadable = QStringLiteral("le fichier de cette partie ne peut pas être lu");
inline const QString NotResumed = QStringLiteral("La partie n'a pas pu être reprise : %1.");

// --- Export ---------------------------------------------------------------------------
inline const QString ExportTitle = QStringLiteral("Exporter la partie");
inline const QString ExportFilter = QStringLiteral("Fichiers CSV (*.csv)");
inline const QString ExportFileName = QStringLiteral("tambrel-%1.csv"); // 2026-12-06-2015
inline const QString ExportFailed = QStringLiteral("La partie n'a pas pu être exportée : %1.");
inline const QString NothingToExport = QStringLiteral("Cette partie ne contient aucun numéro.");
inline const QString CsvHeader
    = QStringLiteral("rang;numéro;couleur;pair/impair;manque/passe;douzaine;colonne;date et heure");
inline const QString Rouge = QStringLiteral("rouge");
inline const QString Noir = QStringLiteral("noir");
inline const QString Vert = QStringLiteral("vert");
inline const QString Pair = QStringLiteral("pair");
inline const QString Impair = QStringLiteral("impair");
inline const QString Manque = QStringLiteral("manque");
inline const QString Passe = QStringLiteral("passe");

// --- Saving the current game ----------------------------------------------------------
inline const QString NotSaved = QStringLiteral(
    "Cette partie n'est pas enregistrée : %1.\n\nLa partie continue, mais elle ne pourra être "
    "ni reprise ni retrouvée dans les parties précédentes.");
inline const QString DiskFull = QStringLiteral("le disque est plein");
inline const QString QuotaReached = QStringLiteral("votre espace disque autorisé est épuisé");
inline const QString FolderNotWritable = QStringLiteral("le dossier %1 ne peut pas être écrit");
inline const QString FolderReadOnly = QStringLiteral("le dossier %1 est en lecture seule");
inline const QString FolderNotCreated = QStringLiteral("le dossier %1 ne peut pas être créé");
inline const QString DiskError = QStringLiteral("le disque a signalé une erreur d'écriture");
inline const QString NameTooLong = QStringLiteral("le nom du dossier %1 est trop long");
inline const QString OtherError = QStringLiteral("une erreur inattendue s'est produite (code %1)");
inline const QString FileNotReplaced = QStringLiteral("le fichier %1 ne peut pas être remplacé");

// --- Reading a kept game --------------------------------------------------------------
inline const QString OneLineLeftOut
    = QStringLiteral("1 ligne du fichier de cette partie n'a pas pu être lue : elle a été laissée de côté.");
inline const QString LinesLeftOut = QStringLiteral(
    "%1 lignes du fichier de cette partie n'ont pas pu être lues : elles ont été laissées de côté.");
inline const QString FileTooLarge
    = QStringLiteral("Le fichier de cette partie est trop grand : seul son début a été lu.");

// --- The question at start-up ---------------------------------------------------------
inline const QString ResumeTitle = QStringLiteral("Partie interrompue");
inline const QString ResumeQuestion
    = QStringLiteral("Reprendre la partie interrompue ?\n\n%1, commencée le %2.");
// The tables one run played together, offered back together: one line per table.
inline const QString ResumeTablesTitle = QStringLiteral("Tables interrompues");
inline const QString ResumeTablesQuestion = QStringLiteral("Reprendre les %1 tables interrompues ?\n\n%2");
inline const QString ResumeTableLine = QStringLiteral("%1 : %2, commencée le %3.");

// --- A game's count of numbers and its start -------------------------------------------
inline const QString NoDraw = QStringLiteral("aucun numéro");
inline const QString OneDraw = QStringLiteral("1 numéro");
inline const QString ManyDraws = QStringLiteral("%1 numéros");
inline const QString DateAndTime = QStringLiteral("dd/MM/yyyy 'à' HH:mm"); // 06/12/2026 à 20:15

} // namespace GamesTexts
