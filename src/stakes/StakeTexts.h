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

// The result boxes as drawn: each stake of the progression is twice the one before plus
// the starting stake, so these are the multipliers of the seven steps.
inline const QString DesignResults[7] = {
    QStringLiteral("1"),
    QStringLiteral("3"),
    QStringLiteral("7"),
    QStringLiteral("15"),
    QStringLiteral("31"),
    QStringLiteral("63"),
    QStringLiteral("127"),
};

} // namespace StakeTexts
