// SPDX-License-Identifier: GPL-3.0-or-later
// The trend windows' own texts, exactly as the player reads them.
#pragma once

#include "trends/EvenChanceTracker.h"

#include <QString>

namespace TrendTexts {

inline const QString ChanceSuffix = QStringLiteral("% de Chance sur : ");
inline const QString ChancePrefix = QStringLiteral("  ");
inline const QString HelpPage = QStringLiteral("AideSimple.html");
inline const QString DownArrow = QStringLiteral("flecheB.ico");
inline const QString UpArrow = QStringLiteral("flecheH.ico");

inline const QString WindowCaptions[3] = {
    QStringLiteral("Couleur Noir/Rouge"),
    QStringLiteral("Pass/Manque"),
    QStringLiteral("Pair/Impair"),
};

inline const QString RepetitionRisk4 = QStringLiteral("Risque de Repetition Superieur a: 4");
inline const QString RepetitionRisk5 = QStringLiteral("Risque de Repetition Superieur a: 5");
inline const QString RepetitionNormal4 = QStringLiteral("Tirage Normal entre Repet de 4 = 33->200");
inline const QString RepetitionNormal5 = QStringLiteral("Tirage Normal entre Repet de 5 = 40->133");
inline const QString AlternationRisk4 = QStringLiteral("Risque d' Alternance Superieur a: 4");
inline const QString AlternationRisk5 = QStringLiteral("Risque d' Alternance Superieur a: 5");
inline const QString AlternationNormal4 = QStringLiteral("Tirage Normal entre Altern de 4 = 33->200");
inline const QString AlternationNormal5 = QStringLiteral("Tirage Normal entre Altern de 5 = 40->133");

} // namespace TrendTexts

namespace TrendWords {

// A mark in words: "rouge", "noir", "vert" in the colour window; "manque", "passe", "impair",
// "pair" in the others; "vide" for a cell that holds nothing.
QString markWord(EvenChance pair, Mark mark);

// A warning box's colour in words.
QString warningWord(EvenChanceTracker::Warning warning);

// A counter in words: "Tirages depuis la dernière série de 5 : 12" ("pas encore" before the
// first such run); `kind` as the tracker's counters.
QString counterName(int kind, int drawsSince);

// The advice caption with the side it suggests, or that there is no advice.
QString adviceText(const QString& caption, EvenChance pair, Mark suggestion);

} // namespace TrendWords
