// SPDX-License-Identifier: GPL-3.0-or-later
// Which of Qt's display platforms the program asks for. A Wayland client cannot keep its window
// above the others, so under a Wayland session the program runs through XWayland, where the
// window manager keeps the board on top, unless the player chose a platform.
#pragma once

#include <QByteArray>
#include <QByteArrayList>

namespace DisplayPlatform {

// What the desktop session says of itself, as its environment variables hold it.
struct Session
{
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray sessionType; // XDG_SESSION_TYPE
    QByteArray x11Display; // DISPLAY: XWayland's, under Wayland
    QByteArray chosenPlatform; // QT_QPA_PLATFORM

    static Session current();
};

// The platforms to hand Qt with -platform, first choice first, or nothing to leave Qt's own
// choice. `arguments` is the command line, program name first.
QByteArray choose(const Session& session, const QByteArrayList& arguments);

// Whether Qt has any display to connect to, or a platform the player chose.
bool hasDisplay(const Session& session, const QByteArrayList& arguments);

} // namespace DisplayPlatform
