// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer's texts, exactly as the player reads them. Line breaks are CR LF.
#pragma once

#include <QString>

namespace DisclaimerTexts {

inline const QString CompanyProduct = QStringLiteral("Probabilités de chance pour ");
inline const QString ProductTitle = QStringLiteral("la Roulette");
inline const QString ProductNameDesign = QStringLiteral("Roulette de Casino");
inline const QString Platform = QStringLiteral("Plate-forme Linux");
inline const QString VersionPrefix = QStringLiteral("Version ");
inline const QString SmallLine1 = QStringLiteral("Conseils statistiques");
inline const QString SmallLine2 = QStringLiteral("Parties gardées sur l’ordinateur");
inline const QString Warning = QStringLiteral("Avertissement :");
inline const QString Accept = QStringLiteral("VALIDER");
inline const QString Cancel = QStringLiteral("ANNULER");
// For screen readers.
inline const QString LogoName = QStringLiteral("Logo du programme");
inline const QString DisclaimerName = QStringLiteral("Texte de l’avertissement");
inline const QString MakerNoteName = QStringLiteral("Note du réalisateur");
inline const QString MakerAddress = QStringLiteral("contact@tambrel.fr");

inline const QString Disclaimer = QStringLiteral(
    "Ce programme conseille, après étude de nombreuses probabilités, ce qu’il faut jouer à la roulette \r\n"
    "française de casino, pour avoir un maximum de chance de gain.\r\n"
    "Il est bien entendu, que ce programme, n’est pas un programme MAGIQUE.\r\n"
    "Si la malchance s’acharne sur vous, l’auteur de ce programme ne peut en être tenu pour \r\n"
    "responsable.\r\n"
    "\r\n"
    "En validant, je reconnais avoir pris connaissance de ces avertissements, et de ne me retourner  \r\n"
    "en aucun cas, contre l’auteur de ce programme.\r\n");

inline const QString MakerNote = QStringLiteral("Réalisateur de logiciels sur les jeux de casino , \r\n"
                                                "conception à la demande : ")
    + MakerAddress + QStringLiteral("\r\n");

} // namespace DisclaimerTexts
