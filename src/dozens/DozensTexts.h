// SPDX-License-Identifier: GPL-3.0-or-later
// The dozen and column window's own texts, exactly as the player reads them.
#pragma once

#include <QString>

namespace DozensTexts {

inline const QString Title = QStringLiteral("Colonne/Douzaine");
inline const QString Columns = QStringLiteral("Colonnes   :");
inline const QString Dozens = QStringLiteral("Douzaines :");
inline const QString HelpPage = QStringLiteral("AideCD.html");
inline const QString Help = QStringLiteral("Aide");

} // namespace DozensTexts
