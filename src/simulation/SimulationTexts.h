// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace SimulationTexts {

inline const QString Caption = QStringLiteral("Simulation Jeu");
inline const QString Start = QStringLiteral("Lancer la simulation");
inline const QString Stop = QStringLiteral("Arreter la simulation");
inline const QString Pause = QStringLiteral("Pause !");
inline const QString Resume = QStringLiteral("Reprendre !");
inline const QString Slower = QStringLiteral("+");
inline const QString Faster = QStringLiteral("-");
inline const QString DesignPace = QStringLiteral("5");
inline const QString Unit = QStringLiteral("Seconde(S)");
inline const QString HelpPage = QStringLiteral("AideSimulation.html");
inline const QString HelpTip = QStringLiteral("Aide");
// For screen readers: "Numéro tiré : 17".
inline const QString DrawnNumberName = QStringLiteral("Numéro tiré : ");
inline const QString NoDrawName = QStringLiteral("aucun");
inline const QString PaceName = QStringLiteral("Secondes entre deux tirages");

} // namespace SimulationTexts
