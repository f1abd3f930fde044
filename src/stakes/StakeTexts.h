// SPDX-License-Identifier: GPL-3.0-or-later
// The stake calculator's own texts, exactly as the player reads them in French, the language
// they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class StakeTexts
{
    Q_DECLARE_TR_FUNCTIONS(StakeTexts)

public:
    static QString caption() { return tr("Mise !"); }
    static QString prompt() { return tr("Vous pouvez changer la Mise de Depart"); }
    static QString calculate() { return tr("Calculer"); }
    static QString warning() { return tr("Attention , assurez vous que la mise Maximale soit possible !"); }
    static QString helpTip() { return tr("Aide"); }
    // For screen readers; %1 is the step, 1 to 7.
    static QString stakeName() { return tr("Mise de départ"); }
    static QString stepName() { return tr("Mise du coup %1"); }
    static QString choiceName() { return tr("Marquer le coup %1"); }

    // Figures and file names, the same in every language.
    static inline const QString DesignStake = QStringLiteral("1");
    static inline const QString Cleared = QStringLiteral("0");
    static inline const QString HelpPage = QStringLiteral("AideMise.html");
};
