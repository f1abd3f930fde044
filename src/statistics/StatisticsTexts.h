// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's own texts, exactly as the player reads them in French, the language
// they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class StatisticsTexts
{
    Q_DECLARE_TR_FUNCTIONS(StatisticsTexts)

public:
    static QString caption() { return tr("Statistiques"); }

    // What chance explains. A count's figure is written by StatisticsWords in the program's
    // language ("100 000", "100,000"), where %Ln would write it as the desktop does; the count
    // given to tr() chooses the plural form.
    static QString chiSquareLine(int draws)
    {
        return tr("χ² = %1 pour 36 degrés de liberté, sur %2 tirage(s)", nullptr, draws);
    }
    static QString notEnoughDraws()
    {
        return tr("Pas encore assez de tirages pour juger la roue : %1 sur au moins %2.");
    }
    static QString nothingAbnormal() { return tr("Rien d'anormal : ces écarts sont ceux du hasard (%1)."); }
    static QString unusual()
    {
        return tr("Écart inhabituel (%1) : à confirmer sur des milliers de tirages avant d'y croire.");
    }
    // %1 is a figure, "0,42" or the smallest p told, "0,0001".
    static QString pEquals() { return tr("p = %1"); }
    static QString pBelowFloor() { return tr("p < %1"); }
    static QString belowFloor() { return tr("< %1"); }
    // A row of the table of chances that chance hardly explains: its name, its gap, its p, the p
    // corrected for the number of rows, and how many rows there are.
    static QString unusualChance()
    {
        return tr("%1 : %2\u00a0σ (%3 ; %4 compte tenu des %5 lignes) : écart inhabituel, à confirmer sur "
                  "d'autres tirages.");
    }
    static QString beneath()
    {
        return tr("Le numéro le plus sorti dépasse souvent la bande par hasard : seul le test de toute la "
                  "roue compte.");
    }

    // How long a number has been away, and what pointing at its bar tells: its number, its
    // hits (which choose the plural form), the hits expected, and how long it has been away.
    // French puts the expected hits in the singular below two, "1,5 attendue".
    static QString absentSince(int draws) { return tr("absent depuis %1 tirage(s)", nullptr, draws); }
    static QString notYetDrawn() { return tr("pas encore sorti"); }
    static QString drawnLast() { return tr("sorti au dernier tirage"); }
    static QString numberTipExpectedOne(int hits)
    {
        return tr("Numéro %1 : %2 sortie(s) pour %3 attendue, %4", nullptr, hits);
    }
    static QString numberTipExpectedMany(int hits)
    {
        return tr("Numéro %1 : %2 sortie(s) pour %3 attendues, %4", nullptr, hits);
    }

    // The price of playing.
    static QString houseEdgeLine()
    {
        return tr("Chaque mise perd en moyenne %1\u00a0% de son montant (1/37), %2\u00a0% sur les chances "
                  "simples avec le partage.");
    }
    static QString losingStreakLine()
    {
        return tr("Progression du calculateur de mises : sept pertes de suite sur une chance simple arrivent "
                  "dans %1\u00a0% des séries et coûtent %2 fois la mise de départ (1 + 3 + 7 + 15 + 31 + 63 "
                  "+ 127).");
    }

    // The table of chances: its columns, then its rows in the order of StatisticsModel::Chance.
    static constexpr const char* ChanceHeaders[7] = {
        QT_TRANSLATE_NOOP("StatisticsTexts", "Chance"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Observé"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Attendu"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Écart (σ)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "p"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Plus longue série"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Série habituelle"),
    };
    static QString chanceHeader(int column) { return tr(ChanceHeaders[column]); }
    static QString gapTip()
    {
        return tr("Écart entre l'observé et l'attendu, en écarts-types. Au-delà de 2, c'est rare pour une "
                  "ligne prise seule ; sur seize lignes, le hasard en donne souvent une.");
    }
    static QString pTip()
    {
        return tr("Probabilité d'un écart au moins aussi grand, dans un sens ou dans l'autre, si la roue est "
                  "juste.");
    }
    static QString usualRunTip()
    {
        return tr("La plus longue série que le hasard donne au moins une fois sur deux sur ce nombre de "
                  "tirages.");
    }
    static constexpr const char* ChanceNames[16] = {
        QT_TRANSLATE_NOOP("StatisticsTexts", "Rouge"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Noir"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Zéro"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Pair"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Impair"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Manque (1 à 18)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Passe (19 à 36)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "1re douzaine (1 à 12)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "2e douzaine (13 à 24)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "3e douzaine (25 à 36)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "1re colonne (1, 4 … 34)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "2e colonne (2, 5 … 35)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "3e colonne (3, 6 … 36)"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Voisins du zéro"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Tiers du cylindre"),
        QT_TRANSLATE_NOOP("StatisticsTexts", "Orphelins"),
    };
    static QString chanceName(int chance) { return tr(ChanceNames[chance]); }

    // The window.
    static QString testTitle() { return tr("Ce que le hasard explique"); }
    static QString chancesTitle() { return tr("Les chances"); }
    static QString priceTitle() { return tr("Le prix du jeu"); }
    static QString orderLabel() { return tr("Ordre des numéros :"); }
    static QString wheelOrder() { return tr("de la roue"); }
    static QString tableOrder() { return tr("du tableau (0 à 36)"); }
    static QString copy() { return tr("Copier"); }
    static QString saveImage() { return tr("Enregistrer l'image…"); }

    // The chart.
    static QString chartName() { return tr("Sorties de chaque numéro"); }
    static QString hitsAxis() { return tr("Sorties"); }
    static QString wheelAxis() { return tr("Numéros dans l'ordre de la roue"); }
    static QString tableAxis() { return tr("Numéros de 0 à 36"); }
    static QString expectedLegend() { return tr("Attendu (tirages / 37)"); }
    static QString bandLegend() { return tr("Bande du hasard à 95\u00a0%"); }
    // For screen readers, in either order: every number with its hits (%1), the hits expected
    // of each, and the band's ends.
    static QString wheelChartDescription()
    {
        return tr(
            "Sorties de chaque numéro, dans l'ordre de la roue : %1. Attendu : %2 par numéro ; bande du "
            "hasard à 95\u00a0% : de %3 à %4.");
    }
    static QString tableChartDescription()
    {
        return tr(
            "Sorties de chaque numéro, dans l'ordre du tableau (0 à 36) : %1. Attendu : %2 par numéro ; "
            "bande du hasard à 95\u00a0% : de %3 à %4.");
    }
    static QString describedNumber() { return tr("%1 : %2"); }
    static QString describedNumbersSeparator() { return tr(" ; "); }

    // Saving the chart.
    static QString saveTitle() { return tr("Enregistrer l'image du graphique"); }
    static QString saveFilter() { return tr("Image PNG (*.png)"); }
    static QString noFolder()
    {
        return tr("L'image n'a pas pu être enregistrée dans « %1 » : le dossier n'existe pas.");
    }
    static QString folderReadOnly()
    {
        return tr(
            "L'image n'a pas pu être enregistrée dans « %1 » : vous n'avez pas le droit d'écrire dans ce "
            "dossier.");
    }
    static QString writeFailed()
    {
        return tr("L'image n'a pas pu être enregistrée dans « %1 » : l'écriture a échoué ; le disque est "
                  "peut-être plein.");
    }

    // Signs and a file name, the same in every language.
    static inline const QString MinusSign = QStringLiteral("−");
    static inline const QString PlusSign = QStringLiteral("+");
    static inline const QString SaveName = QStringLiteral("statistiques.png");
};
