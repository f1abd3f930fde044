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
// "1 242 616 numéros : cette partie ne peut en recevoir que 1 999 990 de plus."
inline const QString BeyondRoom = QStringLiteral("%1 : cette partie ne peut en recevoir que %2 de plus.");

// --- Importing draws from a file ------------------------------------------------------
inline const QString ImportTitle = QStringLiteral("Importer des tirages");
inline const QString ImportFilter = QStringLiteral("Tirages (*.txt *.csv);;Tous les fichiers (*)");
inline const QString ImportFile = QStringLiteral("Fichier : %1");
inline const QString ReadAsNumbers = QStringLiteral(
    "Numéros séparés par des virgules, des espaces, des points-virgules, des tabulations ou des "
    "retours à la ligne ; les lignes sans chiffre sont laissées de côté.");
inline const QString ReadAsTable = QStringLiteral("Tableau exporté par Tambrel : sa colonne « numéro ».");
inline const QString ReadAsGame = QStringLiteral("Partie enregistrée par Tambrel, annulations faites.");
inline const QString ImportAsNewGame = QStringLiteral(
    "Les tirages deviendront une nouvelle partie ; la partie en cours sera terminée et gardée dans "
    "les parties précédentes.");
inline const QString NothingToImport = QStringLiteral("Aucun numéro à importer");
inline const QString OneToImport = QStringLiteral("1 numéro à importer");
inline const QString ManyToImport = QStringLiteral("%1 numéros à importer");
inline const QString OneLineWithErrors = QStringLiteral("1 ligne en erreur. Sans elle : %1 à importer.");
inline const QString LinesWithErrors = QStringLiteral("%1 lignes en erreur. Sans elles : %2 à importer.");
// "2 500 000 numéros : une partie en garde au plus 2 000 000."
inline const QString BeyondLargestGame = QStringLiteral("%1 : une partie en garde au plus %2.");
// ligne 1, colonne 3 : « 37 » n'est pas un numéro de 0 à 36
inline const QString NotANumberAt
    = QStringLiteral("ligne %1, colonne %2 : « %3 » n'est pas un numéro de 0 à 36");
inline const QString Import = QStringLiteral("Importer");
inline const QString ImportWithoutThoseLines = QStringLiteral("Importer sans ces lignes");
inline const QString ReadingFile = QStringLiteral("Lecture du fichier…");
inline const QString MakingGame = QStringLiteral("Importation des tirages…");
inline const QString NotImported
    = QStringLiteral("Ce fichier n'a pas pu être importé : %1.\n\nRien n'a changé.");
inline const QString FileUnreadable = QStringLiteral("il ne peut pas être lu");
inline const QString FileEmpty = QStringLiteral("il ne contient aucun numéro");
inline const QString FileNotText
    = QStringLiteral("ce n'est pas un fichier texte (des numéros, un tableau CSV ou une partie de Tambrel)");
inline const QString FileOfNewerVersion
    = QStringLiteral("c'est une partie enregistrée par une version plus récente de Tambrel");

// --- The largest game -----------------------------------------------------------------
inline const QString GameFull = QStringLiteral(
    "Cette partie compte %1, le plus grand nombre qu'une partie peut garder : le numéro n'a pas "
    "été ajouté.\n\nCommencez une nouvelle partie pour continuer.");

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
    = QStringLiteral("le fichier de cette partie est trop grand pour être lu en entier");
inline const QString DrawsBeyond
    = QStringLiteral("cette partie compte %1 au-delà des %2 qu'une partie peut garder");

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
