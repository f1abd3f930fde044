// SPDX-License-Identifier: GPL-3.0-or-later
// Geometry written in twips, as the windows were designed (1440 to the inch, 15 to a pixel
// at 96 dpi); Qt scales the pixels for high-density screens.
#pragma once

#include <QRect>

class QWidget;

namespace Twips {

constexpr int PerPixel = 15;

// Rounds to the nearest pixel; edges are converted rather than sizes, so that boxes designed
// edge to edge stay edge to edge.
int toPixels(int twips);
QRect toPixels(int left, int top, int width, int height);

// Places a child widget inside its window's client area.
void place(QWidget* widget, int left, int top, int width, int height);

// The frame a window was designed with: what its outer size includes besides the client
// area. A board tool window has a thin title bar; ordinary windows a full one.
enum class Frame { ToolWindow, Window, None };
int frameHeight(Frame frame);
int frameWidth(Frame frame);

// Gives a window the client area that an outer size in twips leaves inside the designed
// frame. The designed frame is used rather than the window manager's own, which varies from
// one desktop to another: the rows a window shows must not depend on how thick a theme
// draws its title bar.
void setClientSizeFromOuter(QWidget* window, int outerWidth, int outerHeight, Frame frame);
void setClientHeightFromOuter(QWidget* window, int outerHeight, Frame frame);

} // namespace Twips
