// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator's own texts, exactly as the player reads them in French, the language
// they are written in, and through the translations in the player's language.
#pragma once

#include <QCoreApplication>
#include <QString>

class SimulationTexts
{
    Q_DECLARE_TR_FUNCTIONS(SimulationTexts)

public:
    static QString caption() { return tr("Simulation Jeu"); }
    static QString start() { return tr("Lancer la simulation"); }
    static QString stop() { return tr("Arreter la simulation"); }
    static QString pause() { return tr("Pause !"); }
    static QString resume() { return tr("Reprendre !"); }
    static QString unit() { return tr("Seconde(S)"); }
    static QString helpTip() { return tr("Aide"); }
    // For screen readers: "Numéro tiré : 17", or that none is drawn yet.
    static QString drawnNumberName() { return tr("Numéro tiré : %1"); }
    static QString noDrawName() { return tr("Numéro tiré : aucun"); }
    static QString paceName() { return tr("Secondes entre deux tirages"); }

    // Signs, figures and the page's name, the same in every language.
    static inline const QString Slower = QStringLiteral("+");
    static inline const QString Faster = QStringLiteral("-");
    static inline const QString DesignPace = QStringLiteral("5");
    static inline const QString HelpPage = QStringLiteral("AideSimulation.html");
};
