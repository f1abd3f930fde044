// SPDX-License-Identifier: GPL-3.0-or-later
// Turns colour codes into QColors, and paints widgets with them. The code last written to a
// widget is kept for it, so what the windows show can be read back exactly as written.
#pragma once

#include "platform/ColourCode.h"

#include <QColor>

class QWidget;

namespace Colours {

// The one table from codes to colours. System colours get fixed values so that the board
// keeps its designed look whatever the desktop theme.
QColor toQColor(ColourCode code);

void setBackColour(QWidget* widget, ColourCode code);
void setForeColour(QWidget* widget, ColourCode code);
ColourCode backColour(const QWidget* widget);
ColourCode foreColour(const QWidget* widget);

} // namespace Colours
