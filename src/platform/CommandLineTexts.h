// SPDX-License-Identifier: GPL-3.0-or-later
// What the program writes on a terminal, exactly as the player reads it in French, the
// language it is written in, and in the player's language. It is written before there is an
// application to install translations in: each text is translated on its own.
#pragma once

#include "platform/Language.h"

#include <QCoreApplication>
#include <QString>

namespace CommandLineTexts {

inline QString translated(const char* sourceText)
{
    return Language::translated(Language::preferred(), "CommandLineTexts", sourceText);
}

inline QString help()
{
    return translated(QT_TRANSLATE_NOOP("CommandLineTexts",
        "Utilisation : tambrel [option]\n"
        "Suit les tirages de la roulette française et dit ce qui vaut d’être joué.\n"
        "\n"
        "Options :\n"
        "  -h, --help     affiche cette aide\n"
        "  -v, --version  affiche le nom et la version du programme\n"
        "\n"
        "Sans option, le programme montre son avertissement, puis son tableau.\n"
        "Les options de Qt (-platform, -style, -reverse…) sont aussi acceptées.\n"));
}

// %1: the refused argument as it was typed.
inline QString unknownOption(const QString& argument)
{
    return translated(QT_TRANSLATE_NOOP("CommandLineTexts",
                          "tambrel : option inconnue « %1 »\n"
                          "Essayez « tambrel --help » pour en savoir plus.\n"))
        .arg(argument);
}

inline QString unexpectedArgument(const QString& argument)
{
    return translated(QT_TRANSLATE_NOOP("CommandLineTexts",
                          "tambrel : argument inattendu « %1 »\n"
                          "Essayez « tambrel --help » pour en savoir plus.\n"))
        .arg(argument);
}

inline QString noDisplay()
{
    return translated(QT_TRANSLATE_NOOP("CommandLineTexts", "tambrel : aucun écran où s’afficher\n"));
}

} // namespace CommandLineTexts
