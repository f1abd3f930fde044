// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a window above ordinary windows: shown where it stands, at its size, without taking
// the focus from the window the player is using.
#pragma once

class QWidget;

namespace TopMost {

void show(QWidget* window);

} // namespace TopMost
