// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of kept games, exactly as the player reads them in French, the language they are
// written in, and through the translations in the player's language: the list of numbers,
// previous games, export, the resume question and what is said when a game cannot be saved.
// The sentences made of them are GamesWords'. What the files hold is not here: a game's
// journal and its export read the same in every language.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <limits>

class GamesTexts
{
    Q_DECLARE_TR_FUNCTIONS(GamesTexts)

public:
    // --- The list of numbers ----------------------------------------------------------
    static QString listTitle() { return tr("Saisir une liste de numéros"); }
    static QString listPrompt()
    {
        return tr("Collez ou tapez les numéros, séparés par des espaces, des virgules, des points-virgules "
                  "ou des retours à la ligne :");
    }
    static QString listOrder() { return tr("Ordre de la liste"); }
    static QString oldestFirst() { return tr("Du plus ancien au plus récent"); }
    static QString newestFirst() { return tr("Du plus récent au plus ancien"); }
    static QString add() { return tr("Ajouter"); }
    static QString cancel() { return tr("Annuler"); }
    static QString nothingToAdd() { return tr("Aucun numéro à ajouter"); }
    // The counts below are written by GamesWords::count() ("1 242 616"), %1 in the plural forms
    // rather than %n, which Qt would write without the language's thousands.
    static QString toAdd(qint64 n)
    {
        //: %1: how many, written with its thousands grouped
        return tr("%1 numéro(s) à ajouter", nullptr, counted(n));
    }
    static QString toCorrect(qint64 n)
    {
        //: %1: how many, written with its thousands grouped
        return tr("%1 erreur(s) à corriger", nullptr, counted(n));
    }
    // « 37 » n'est pas un numéro de 0 à 36 (5e position); the first place has its own word.
    static QString notANumberFirst() { return tr("« %1 » n'est pas un numéro de 0 à 36 (1re position)"); }
    static QString notANumberAtPlace()
    {
        //: %1: the word typed; %2: its place in the list, 2 or more
        return tr("« %1 » n'est pas un numéro de 0 à 36 (%2e position)");
    }
    static QString moreErrors(qint64 n)
    {
        //: Under the mistakes shown; %1: how many more, written with its thousands grouped
        return tr("… et %1 autre(s) erreur(s)", nullptr, counted(n));
    }
    // "1 242 616 numéros : cette partie ne peut en recevoir que 1 999 990 de plus."
    static QString beyondRoom()
    {
        //: %1: the numbers of the list ("42 numéros"); %2: how many the game can still take
        return tr("%1 : cette partie ne peut en recevoir que %2 de plus.");
    }

    // --- Importing draws from a file --------------------------------------------------
    static QString importTitle() { return tr("Importer des tirages"); }
    // The patterns are the file dialog's, the same in every language.
    static QString importFilter()
    {
        return tr("Tirages (%1)").arg(QStringLiteral("*.txt *.csv")) + QStringLiteral(";;")
            + tr("Tous les fichiers (%1)").arg(QStringLiteral("*"));
    }
    static QString importFile() { return tr("Fichier : %1"); }
    static QString readAsNumbers()
    {
        return tr(
            "Numéros séparés par des virgules, des espaces, des points-virgules, des tabulations ou des "
            "retours à la ligne ; les lignes sans chiffre sont laissées de côté.");
    }
    //: « numéro » is the name of the column in the file, the same in every language
    static QString readAsTable() { return tr("Tableau exporté par Tambrel : sa colonne « numéro »."); }
    static QString readAsGame() { return tr("Partie enregistrée par Tambrel, annulations faites."); }
    static QString importAsNewGame()
    {
        return tr("Les tirages deviendront une nouvelle partie ; la partie en cours sera terminée et gardée "
                  "dans les parties précédentes.");
    }
    static QString nothingToImport() { return tr("Aucun numéro à importer"); }
    static QString toImport(qint64 n)
    {
        //: %1: how many, written with its thousands grouped
        return tr("%1 numéro(s) à importer", nullptr, counted(n));
    }
    static QString linesWithErrors(qint64 lines)
    {
        //: %1: how many lines, written with its thousands grouped; %2: the numbers left ("42 numéros")
        return tr("%1 ligne(s) en erreur. Sans elle(s) : %2 à importer.", nullptr, counted(lines));
    }
    // "2 500 000 numéros : une partie en garde au plus 2 000 000."
    static QString beyondLargestGame()
    {
        //: %1: the numbers of the file ("42 numéros"); %2: the most a game keeps
        return tr("%1 : une partie en garde au plus %2.");
    }
    // ligne 1, colonne 3 : « 37 » n'est pas un numéro de 0 à 36
    static QString notANumberAt()
    {
        return tr("ligne %1, colonne %2 : « %3 » n'est pas un numéro de 0 à 36");
    }
    static QString import() { return tr("Importer"); }
    static QString importWithoutThoseLines() { return tr("Importer sans ces lignes"); }
    static QString readingFile() { return tr("Lecture du fichier…"); }
    static QString makingGame() { return tr("Importation des tirages…"); }
    static QString notImported()
    {
        return tr("Ce fichier n'a pas pu être importé : %1.\n\nRien n'a changé.");
    }
    static QString fileUnreadable() { return tr("il ne peut pas être lu"); }
    static QString fileEmpty() { return tr("il ne contient aucun numéro"); }
    static QString fileNotText()
    {
        return tr("ce n'est pas un fichier texte (des numéros, un tableau CSV ou une partie de Tambrel)");
    }
    static QString fileOfNewerVersion()
    {
        return tr("c'est une partie enregistrée par une version plus récente de Tambrel");
    }

    // --- The largest game -------------------------------------------------------------
    static QString gameFull()
    {
        //: %1: the most numbers a game keeps ("2 000 000 numéros")
        return tr(
            "Cette partie compte %1, le plus grand nombre qu'une partie peut garder : le numéro n'a pas "
            "été ajouté.\n\nCommencez une nouvelle partie pour continuer.");
    }

    // --- Previous games ---------------------------------------------------------------
    static QString previousTitle() { return tr("Parties précédentes"); }
    static QString noPreviousGame() { return tr("Aucune partie précédente."); }
    static QString columnStarted() { return tr("Commencée le"); }
    static QString columnTable() { return tr("Table"); }
    static QString columnDraws() { return tr("Numéros"); }
    static QString columnLastNumbers() { return tr("Derniers numéros"); }
    static QString columnState() { return tr("État"); }
    static QString finished() { return tr("Terminée"); }
    static QString interrupted() { return tr("Interrompue"); }
    static QString newerVersion() { return tr("Version plus récente"); }
    static QString resume() { return tr("Reprendre"); }
    static QString exportGame() { return tr("Exporter…"); }
    static QString remove() { return tr("Supprimer"); }
    static QString close() { return tr("Fermer"); }
    static QString deleteQuestion()
    {
        //: %1: when the game started; %2: its numbers ("42 numéros")
        return tr("Supprimer la partie commencée le %1 (%2) ?\n\nElle sera effacée de cet ordinateur.");
    }
    static QString notDeleted() { return tr("La partie n'a pas pu être supprimée : %1."); }
    static QString heldElsewhere() { return tr("cette partie est ouverte dans un autre Tambrel"); }
    static QString writtenByNewerVersion()
    {
        return tr("cette partie a été enregistrée par une version plus récente de Tambrel");
    }
    static QString gone() { return tr("le fichier de cette partie n'existe plus"); }
    static QString unreadable() { return tr("le fichier de cette partie ne peut pas être lu"); }
    static QString notResumed() { return tr("La partie n'a pas pu être reprise : %1."); }

    // --- Export -----------------------------------------------------------------------
    static QString exportTitle() { return tr("Exporter la partie"); }
    static QString exportFilter() { return tr("Fichiers CSV (%1)").arg(QStringLiteral("*.csv")); }
    static QString exportFailed() { return tr("La partie n'a pas pu être exportée : %1."); }
    static QString nothingToExport() { return tr("Cette partie ne contient aucun numéro."); }

    // --- Saving the current game ------------------------------------------------------
    static QString notSaved()
    {
        return tr("Cette partie n'est pas enregistrée : %1.\n\nLa partie continue, mais elle ne pourra être "
                  "ni reprise ni retrouvée dans les parties précédentes.");
    }
    static QString diskFull() { return tr("le disque est plein"); }
    static QString quotaReached() { return tr("votre espace disque autorisé est épuisé"); }
    static QString folderNotWritable() { return tr("le dossier %1 ne peut pas être écrit"); }
    static QString folderReadOnly() { return tr("le dossier %1 est en lecture seule"); }
    static QString folderNotCreated() { return tr("le dossier %1 ne peut pas être créé"); }
    static QString diskError() { return tr("le disque a signalé une erreur d'écriture"); }
    static QString nameTooLong() { return tr("le nom du dossier %1 est trop long"); }
    static QString otherError() { return tr("une erreur inattendue s'est produite (code %1)"); }
    static QString fileNotReplaced() { return tr("le fichier %1 ne peut pas être remplacé"); }

    // --- Reading a kept game ----------------------------------------------------------
    static QString linesLeftOut(qint64 lines)
    {
        //: %1: how many lines, written with its thousands grouped
        return tr("%1 ligne(s) du fichier de cette partie n'a/n'ont pas pu être lue(s) : elle(s) a/ont été "
                  "laissée(s) de côté.",
            nullptr, counted(lines));
    }
    static QString fileTooLarge()
    {
        return tr("le fichier de cette partie est trop grand pour être lu en entier");
    }
    static QString drawsBeyond()
    {
        //: %1: the numbers beyond ("2 numéros"); %2: the most a game keeps
        return tr("cette partie compte %1 au-delà des %2 qu'une partie peut garder");
    }

    // --- The question at start-up -----------------------------------------------------
    static QString resumeTitle() { return tr("Partie interrompue"); }
    static QString resumeQuestion()
    {
        //: %1: the game's numbers ("42 numéros"); %2: when it started
        return tr("Reprendre la partie interrompue ?\n\n%1, commencée le %2.");
    }
    // The tables one run played together, offered back together: one line per table.
    static QString resumeTablesTitle() { return tr("Tables interrompues"); }
    static QString resumeTablesQuestion(int tables)
    {
        //: Never fewer than 2 tables; %1: one line per table
        return tr("Reprendre les %n tables interrompues ?\n\n%1", nullptr, tables);
    }
    static QString resumeTableLine()
    {
        //: %1: the table's name; %2: its numbers ("42 numéros"); %3: when its game started
        return tr("%1 : %2, commencée le %3.");
    }

    // --- A game's count of numbers and its start ---------------------------------------
    static QString noDraw() { return tr("aucun numéro"); }
    static QString draws(qint64 n)
    {
        //: %1: how many, written with its thousands grouped
        return tr("%1 numéro(s)", nullptr, counted(n));
    }
    static QString dateAndTimeFormat()
    {
        //: How a game's start is written (06/12/2026 à 20:15): a QDateTime format, quoted words between ''
        return tr("dd/MM/yyyy 'à' HH:mm");
    }

    // Signs, the same in every language: a word cut short, and the last numbers of a longer game.
    static inline const QString WordCut = QStringLiteral("…");
    static inline const QString LastNumbersCut = QStringLiteral("… ");

private:
    // The plural form of a count too large for Qt's is that of the largest it knows.
    static int counted(qint64 n)
    {
        return static_cast<int>(qMin<qint64>(n, std::numeric_limits<int>::max()));
    }
};
