// SPDX-License-Identifier: GPL-3.0-or-later
// The stake calculator's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace StakeTexts {

inline const QString Caption = QStringLiteral("Mise !");
inline const QString Prompt = QStringLiteral("Vous pouvez changer la Mise de Depart");
inline const QString DesignStake = QStringLiteral("1");
inline const QString Calculate = QStringLiteral("Calculer");
inline const QString Warning
    = QStringLiteral("Attention , assurez vous que la mise Maximale soit possible !");
inline const QString Cleared = QStringLiteral("0");
inline const QString HelpPage = QStringLiteral("AideMise.html");
inline const QString HelpTip = QStringLiteral("Aide");
// For screen readers.
inline const QString StakeName = QStringLiteral("Mise de départ");
inline const QString StepName = QStringLiteral("Mise du coup %1"); // %1: 1 to 7
inline const QString ChoiceName = QStringLiteral("Marquer le coup %1");

} // namespace StakeTexts
