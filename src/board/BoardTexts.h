// SPDX-License-Identifier: GPL-3.0-or-later
// The board's own texts, exactly as the player reads them in French, the language they are
// written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class BoardTexts
{
    Q_DECLARE_TR_FUNCTIONS(BoardTexts)

public:
    // The level label: no number drawn yet, or how many times the numbers of the level came
    // out (leading blank as designed).
    static QString levelNotYetDrawn() { return tr("N° Pas encore Sortis :"); }
    static QString levelDrawn(int times) { return tr(" N° Sortis Seulement : %n Fois", nullptr, times); }
    // A number cell's tooltip once it came out (leading blank as designed).
    static QString hitCountTip(int hits) { return tr(" %n Fois Sorti", nullptr, hits); }
    // The confirmation box: its title, and its question with the number clicked.
    static QString confirmTitle() { return tr("Votre chiffre : "); }
    static QString confirmPrompt(int number) { return tr("Vous avez choisi le Chiffre :%1").arg(number); }
    static QString drawCountTip() { return tr("Nombre de tirage"); }
    static QString adviceRow() { return tr("Vous pouvez Jouer les Numeros Clignotants"); }
    static QString simulate() { return tr("SIMULER"); }
    static QString stakes() { return tr("M"); }
    static QString helpTip() { return tr("Aide"); }
    // For screen readers: the draw count and the level count with their figures, empty or not.
    static QString drawCountName(const QString& count) { return tr("Nombre de tirage : %1").arg(count); }
    static QString levelCountName(const QString& count) { return tr("Numéros à ce niveau : %1").arg(count); }

    // The board's menu, in its order. "Statistiques…" goes right after the undo.
    static QString menuUndo() { return tr("Annuler le dernier numéro"); }
    static QString menuStatistics() { return tr("Statistiques…"); }
    static QString menuAdviceAccount() { return tr("Bilan des conseils"); }
    static QString menuNumberList() { return tr("Saisir une liste de numéros…"); }
    static QString menuImport() { return tr("Importer des tirages…"); }
    static QString menuExport() { return tr("Exporter la partie…"); }
    static QString menuPreviousGames() { return tr("Parties précédentes…"); }
    static QString menuNewGame() { return tr("Nouvelle partie"); }
    // Several tables: the menu after "Nouvelle partie", the item of a table that reached an
    // advice while another was shown, the board's title, a question asked for a table not
    // shown and its spoken advice.
    static QString menuTables() { return tr("Tables"); }
    static QString menuNewTable() { return tr("Nouvelle table"); }
    static QString menuRenameTable() { return tr("Renommer la table…"); }
    static QString menuCloseTable() { return tr("Fermer la table"); }
    static QString markedTable(const QString& name) { return tr("%1 — conseil").arg(name); }
    static QString renameTableTitle() { return tr("Renommer la table"); }
    static QString renameTablePrompt() { return tr("Nom de la table :"); }
    static QString titleWithTable(const QString& title, const QString& table)
    {
        return tr("%1 — %2").arg(title, table);
    }
    static QString spokenAtTable(const QString& table, const QString& phrase)
    {
        return tr("%1 : %2").arg(table, phrase);
    }
    // "Annuler le dernier numéro : 17 ?"
    static QString undoPrompt(int number) { return tr("Annuler le dernier numéro : %1 ?").arg(number); }

    // The boxes of the three dozens, then the three columns; leading blanks as designed.
    static QString dozenColumnBox(int box) { return tr(DozenColumnBoxes[box]); }

    static inline const QString HelpPage = QStringLiteral("AideGenerale.html");

private:
    static constexpr const char* DozenColumnBoxes[6] = {
        QT_TRANSLATE_NOOP("BoardTexts", "    1er Douzaine"),
        QT_TRANSLATE_NOOP("BoardTexts", "   2em Douzaine"),
        QT_TRANSLATE_NOOP("BoardTexts", "   3em Douzaine"),
        QT_TRANSLATE_NOOP("BoardTexts", "1e Col"),
        QT_TRANSLATE_NOOP("BoardTexts", "2e Col"),
        QT_TRANSLATE_NOOP("BoardTexts", "3e Col"),
    };
};
