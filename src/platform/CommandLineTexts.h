// SPDX-License-Identifier: GPL-3.0-or-later
// What the program writes on a terminal, exactly as the player reads it.
#pragma once

#include <QString>

namespace CommandLineTexts {

inline const QString Help
    = QStringLiteral("Utilisation : tambrel [option]\n"
                     "Suit les tirages de la roulette française et dit ce qui vaut d’être joué.\n"
                     "\n"
                     "Options :\n"
                     "  -h, --help     affiche cette aide\n"
                     "  -v, --version  affiche le nom et la version du programme\n"
                     "\n"
                     "Sans option, le programme montre son avertissement, puis son tableau.\n"
                     "Les options de Qt (-platform, -style, -reverse…) sont aussi acceptées.\n");

// %1: the refused argument as it was typed.
inline const QString UnknownOption = QStringLiteral("tambrel : option inconnue « %1 »\n");
inline const QString UnexpectedArgument = QStringLiteral("tambrel : argument inattendu « %1 »\n");
inline const QString NoDisplay = QStringLiteral("tambrel : aucun écran où s’afficher\n");
inline const QString SeeHelp = QStringLiteral("Essayez « tambrel --help » pour en savoir plus.\n");

} // namespace CommandLineTexts
