// SPDX-License-Identifier: GPL-3.0-or-later
// Writes down everything a window shows, one line per control, so that a whole window can be
// compared with a golden file: what the player sees and what a screen reader says.
#pragma once

#include <QString>

class QWidget;

// The window first, then every named control of it (not of the windows it owns), sorted by
// name then index. Newlines and backslashes in texts are escaped: one control, one line.
QString dumpWindow(const QWidget* window);
