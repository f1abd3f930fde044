// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace StatisticsTexts {

inline const QString Caption = QStringLiteral("Statistiques");

// What chance explains.
inline const QString ChiSquareLine = QStringLiteral("χ² = %1 pour 36 degrés de liberté, sur %2");
inline const QString NotEnoughDraws
    = QStringLiteral("Pas encore assez de tirages pour juger la roue : %1 sur au moins %2.");
inline const QString NothingAbnormal
    = QStringLiteral("Rien d'anormal : ces écarts sont ceux du hasard (%1).");
inline const QString Unusual
    = QStringLiteral("Écart inhabituel (%1) : à confirmer sur des milliers de tirages avant d'y croire.");
inline const QString PEquals = QStringLiteral("p = %1");
inline const QString PBelowFloor = QStringLiteral("p < 0,0001");
inline const QString BelowFloor = QStringLiteral("< 0,0001");
// A row of the table of chances that chance hardly explains: its name, its gap, its p, the p
// corrected for the number of rows, and how many rows there are.
inline const QString UnusualChance = QStringLiteral("%1 : %2\u00a0σ (%3 ; %4 compte tenu des %5 lignes) : "
                                                    "écart inhabituel, à confirmer sur d'autres tirages.");
inline const QString Beneath = QStringLiteral(
    "Le numéro le plus sorti dépasse souvent la bande par hasard : seul le test de toute la roue compte.");

// Counts, with the singular below two as French writes it.
inline const QString Draws = QStringLiteral("%1 tirages");
inline const QString Draw = QStringLiteral("%1 tirage");
inline const QString AbsentSince = QStringLiteral("absent depuis %1");
inline const QString NotYetDrawn = QStringLiteral("pas encore sorti");
inline const QString DrawnLast = QStringLiteral("sorti au dernier tirage");
inline const QString NumberTip = QStringLiteral("Numéro %1 : %2 pour %3, %4");
inline const QString Hits = QStringLiteral("%1 sorties");
inline const QString Hit = QStringLiteral("%1 sortie");
inline const QString ExpectedMany = QStringLiteral("%1 attendues");
inline const QString ExpectedOne = QStringLiteral("%1 attendue");
inline const QString MinusSign = QStringLiteral("−");
inline const QString PlusSign = QStringLiteral("+");

// The price of playing.
inline const QString HouseEdgeLine = QStringLiteral(
    "Chaque mise perd en moyenne %1\u00a0% de son montant (1/37), %2\u00a0% sur les chances simples avec le "
    "partage.");
inline const QString LosingStreakLine = QStringLiteral(
    "Progression du calculateur de mises : sept pertes de suite sur une chance simple arrivent dans "
    "%1\u00a0% des séries et coûtent %2 fois la mise de départ (1 + 3 + 7 + 15 + 31 + 63 + 127).");

// The table of chances: its columns, then its rows in the order of StatisticsModel::Chance.
inline const QString ChanceHeaders[7] = {
    QStringLiteral("Chance"),
    QStringLiteral("Observé"),
    QStringLiteral("Attendu"),
    QStringLiteral("Écart (σ)"),
    QStringLiteral("p"),
    QStringLiteral("Plus longue série"),
    QStringLiteral("Série habituelle"),
};
inline const QString GapTip = QStringLiteral(
    "Écart entre l'observé et l'attendu, en écarts-types. Au-delà de 2, c'est rare pour une ligne "
    "prise seule ; sur seize lignes, le hasard en donne souvent une.");
inline const QString PTip = QStringLiteral(
    "Probabilité d'un écart au moins aussi grand, dans un sens ou dans l'autre, si la roue est juste.");
inline const QString UsualRunTip = QStringLiteral(
    "La plus longue série que le hasard donne au moins une fois sur deux sur ce nombre de tirages.");
inline const QString ChanceNames[16] = {
    QStringLiteral("Rouge"),
    QStringLiteral("Noir"),
    QStringLiteral("Zéro"),
    QStringLiteral("Pair"),
    QStringLiteral("Impair"),
    QStringLiteral("Manque (1 à 18)"),
    QStringLiteral("Passe (19 à 36)"),
    QStringLiteral("1re douzaine (1 à 12)"),
    QStringLiteral("2e douzaine (13 à 24)"),
    QStringLiteral("3e douzaine (25 à 36)"),
    QStringLiteral("1re colonne (1, 4 … 34)"),
    QStringLiteral("2e colonne (2, 5 … 35)"),
    QStringLiteral("3e colonne (3, 6 … 36)"),
    QStringLiteral("Voisins du zéro"),
    QStringLiteral("Tiers du cylindre"),
    QStringLiteral("Orphelins"),
};

// The window.
inline const QString TestTitle = QStringLiteral("Ce que le hasard explique");
inline const QString ChancesTitle = QStringLiteral("Les chances");
inline const QString PriceTitle = QStringLiteral("Le prix du jeu");
inline const QString OrderLabel = QStringLiteral("Ordre des numéros :");
inline const QString WheelOrder = QStringLiteral("de la roue");
inline const QString TableOrder = QStringLiteral("du tableau (0 à 36)");
inline const QString Copy = QStringLiteral("Copier");
inline const QString SaveImage = QStringLiteral("Enregistrer l'image…");

// The chart.
inline const QString ChartName = QStringLiteral("Sorties de chaque numéro");
inline const QString HitsAxis = QStringLiteral("Sorties");
inline const QString WheelAxis = QStringLiteral("Numéros dans l'ordre de la roue");
inline const QString TableAxis = QStringLiteral("Numéros de 0 à 36");
inline const QString ExpectedLegend = QStringLiteral("Attendu (tirages / 37)");
inline const QString BandLegend = QStringLiteral("Bande du hasard à 95\u00a0%");
inline const QString ChartDescription
    = QStringLiteral("Sorties de chaque numéro, dans l'ordre %1 : %2. Attendu : %3 par numéro ; "
                     "bande du hasard à 95\u00a0% : de %4 à %5.");
inline const QString DescribedNumber = QStringLiteral("%1 : %2");

// Saving the chart.
inline const QString SaveTitle = QStringLiteral("Enregistrer l'image du graphique");
inline const QString SaveFilter = QStringLiteral("Image PNG (*.png)");
inline const QString SaveName = QStringLiteral("statistiques.png");
inline const QString SaveFailed = QStringLiteral("L'image n'a pas pu être enregistrée dans « %1 » : %2");
inline const QString NoFolder = QStringLiteral("le dossier n'existe pas.");
inline const QString FolderReadOnly = QStringLiteral("vous n'avez pas le droit d'écrire dans ce dossier.");
inline const QString WriteFailed = QStringLiteral("l'écriture a échoué ; le disque est peut-être plein.");

} // namespace StatisticsTexts
