// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer's texts, exactly as the player reads them in French, the language they are
// written in, and through the translations in the player's language. Line breaks are CR LF.
#pragma once

#include <QCoreApplication>
#include <QString>

class DisclaimerTexts
{
    Q_DECLARE_TR_FUNCTIONS(DisclaimerTexts)

public:
    static QString companyProduct() { return tr("Probabilités de chance pour "); }
    static QString productTitle() { return tr("la Roulette"); }
    static QString productNameDesign() { return tr("Roulette de Casino"); }
    static QString platform() { return tr("Plate-forme Linux"); }
    static QString version(const QString& number) { return tr("Version %1").arg(number); }
    static QString smallLine1() { return tr("Conseils statistiques"); }
    static QString smallLine2() { return tr("Parties gardées sur l’ordinateur"); }
    static QString warning() { return tr("Avertissement :"); }
    static QString accept() { return tr("VALIDER"); }
    static QString cancel() { return tr("ANNULER"); }
    // For screen readers.
    static QString logoName() { return tr("Logo du programme"); }
    static QString disclaimerName() { return tr("Texte de l’avertissement"); }
    static QString makerNoteName() { return tr("Note du réalisateur"); }

    static QString disclaimer()
    {
        return tr(
            "Ce programme conseille, après étude de nombreuses probabilités, ce qu’il faut jouer à la "
            "roulette \r\n"
            "française de casino, pour avoir un maximum de chance de gain.\r\n"
            "Il est bien entendu, que ce programme, n’est pas un programme MAGIQUE.\r\n"
            "Si la malchance s’acharne sur vous, l’auteur de ce programme ne peut en être tenu pour \r\n"
            "responsable.\r\n"
            "\r\n"
            "En validant, je reconnais avoir pris connaissance de ces avertissements, et de ne me "
            "retourner  \r\n"
            "en aucun cas, contre l’auteur de ce programme.\r\n");
    }

    // %1: the maker's address.
    static QString makerNote()
    {
        return tr("Réalisateur de logiciels sur les jeux de casino , \r\n"
                  "conception à la demande : %1\r\n")
            .arg(MakerAddress);
    }

    static inline const QString MakerAddress = QStringLiteral("contact@tambrel.fr");
};
