// SPDX-License-Identifier: GPL-3.0-or-later
// The "Bilan des conseils" window's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace AdviceAccountTexts {

inline const QString Caption = QStringLiteral("Bilan des conseils");

// The table: its columns, then its rows in the order of AdviceAccount::Row.
inline const QString Corner = QStringLiteral("Conseil");
inline const QString Headers[10] = {
    QStringLiteral("Paris"),
    QStringLiteral("Mises"),
    QStringLiteral("Gagnés"),
    QStringLiteral("Taux"),
    QStringLiteral("Taux du hasard"),
    QStringLiteral("Résultat"),
    QStringLiteral("Attendu"),
    QStringLiteral("Écart (σ)"),
    QStringLiteral("Plus longue série perdante"),
    QStringLiteral("Pire recul"),
};
inline const QString RowNames[6] = {
    QStringLiteral("Chances simples"),
    QStringLiteral("Douzaines"),
    QStringLiteral("Colonnes"),
    QStringLiteral("Numéros clignotants"),
    QStringLiteral("Tous les conseils"),
    QStringLiteral("Chances simples en progression"),
};
inline const QString ProgressionTip = QStringLiteral(
    "Les mêmes paris sur les chances simples, avec la progression du calculateur de mises : 1, 3, 7, 15, "
    "31, 63, 127 unités, chaque chance à part ; une marche de plus après une perte (un partage aussi), "
    "retour à 1 après un gain ou après la septième perte. Elle n'entre pas dans « Tous les conseils ».");
inline const QString Percent = QStringLiteral("%1\u00a0%");
inline const QString UnitsTip = QStringLiteral(
    "Mises, résultats et reculs en unités de mise. Attendu : 1/37 des mises perdu, 1/74 sur les chances "
    "simples, où le zéro rend la moitié de la mise.");

// The account of all the advice in one sentence: what following it cost or brought, against
// what the game takes, and whether the gap is chance's.
inline const QString Cost = QStringLiteral(
    "Sur %1, suivre les conseils aurait coûté %2\u00a0% des mises (attendu : %3\u00a0%) : un écart de "
    "%4\u00a0σ, celui du hasard.");
inline const QString Gain = QStringLiteral(
    "Sur %1, suivre les conseils aurait rapporté %2\u00a0% des mises (attendu : %3\u00a0%) : un écart "
    "de %4\u00a0σ, celui du hasard.");
inline const QString UnusualCost = QStringLiteral(
    "Sur %1, suivre les conseils aurait coûté %2\u00a0% des mises (attendu : %3\u00a0%) : un écart de "
    "%4\u00a0σ, inhabituel (%5) : à confirmer sur d'autres tirages avant d'y croire.");
inline const QString UnusualGain = QStringLiteral(
    "Sur %1, suivre les conseils aurait rapporté %2\u00a0% des mises (attendu : %3\u00a0%) : un écart "
    "de %4\u00a0σ, inhabituel (%5) : à confirmer sur d'autres tirages avant d'y croire.");
inline const QString NothingPlayed
    = QStringLiteral("Sur %1, aucun conseil n'a encore été suivi : rien n'a été misé.");
inline const QString Price = QStringLiteral(
    "À la longue, le jeu prend %1\u00a0% de chaque mise (%2\u00a0% sur les chances simples) : aucun conseil "
    "ne change ce prix.");

// The chart.
inline const QString ChartName = QStringLiteral("Résultat cumulé de chaque conseil");
inline const QString DrawsAxis = QStringLiteral("Tirages");
inline const QString UnitsAxis = QStringLiteral("Unités");
inline const QString ExpectedLegend = QStringLiteral("Attendu, tous les conseils");

inline const QString Copy = QStringLiteral("Copier");

} // namespace AdviceAccountTexts
