// SPDX-License-Identifier: GPL-3.0-or-later
// Where windows go on a desktop whose window manager draws frames around them: a window the
// program opens goes beside the one it belongs to, never over it.
#pragma once

#include <QMargins>

class QWidget;

namespace WindowPlacement {

// The frame the window manager drew around a shown window; none without a window manager
// (and before the window manager has taken the window).
QMargins frameOf(const QWidget* window);

// Places `window` beside `anchor`, on the anchor's screen: to its right, else to its left,
// below or above it, wherever its frame covers nothing of the anchor's. When no side has room
// enough, the window goes on the side with the most room, made smaller to fit if it may be, and
// kept on the screen. A window not yet framed is given the anchor's frame.
void placeBeside(QWidget* window, const QWidget* anchor);

// From now on, every window opened with `anchor` as its parent (dialogs, message boxes, tool
// windows) that the program does not place itself goes beside the anchor when it shows.
void placeOpenedWindowsBeside(QWidget* anchor);

} // namespace WindowPlacement
