// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DisplayPlatform.h"

#include <QtGlobal>

namespace DisplayPlatform {

Session Session::current()
{
    return {qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"),
        qgetenv("QT_QPA_PLATFORM")};
}

namespace {

// Qt reads -platform, or --platform, followed by the plugin's name.
bool platformGiven(const QByteArrayList& arguments)
{
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == "-platform" || arguments[i] == "--platform") {
            return true;
        }
    }
    return false;
}

} // namespace

QByteArray choose(const Session& session, const QByteArrayList& arguments)
{
    // Qt itself prefers Wayland when either variable says the session is a Wayland one.
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    // Without an X display there is no XWayland to go through: a window not kept on top is
    // still better than no window.
    if (!wayland || session.x11Display.isEmpty() || !session.chosenPlatform.isEmpty()
        || platformGiven(arguments)) {
        return {};
    }
    // Wayland stays as the fallback should XWayland refuse the connection.
    return QByteArrayLiteral("xcb;wayland");
}

bool hasDisplay(const Session& session, const QByteArrayList& arguments)
{
    return !session.waylandDisplay.isEmpty() || !session.x11Display.isEmpty()
        || !session.chosenPlatform.isEmpty() || platformGiven(arguments);
}

} // namespace DisplayPlatform
