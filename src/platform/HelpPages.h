// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a help page with the desktop's default browser. The page is looked for in the
// current folder, then beside the program, then where it was installed, so help works
// whether the program was started from its folder or from a desktop menu.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace HelpPages {

// Returns true when the page was found and handed to the desktop. A missing page or browser
// shows no message: the player just gets no page.
bool open(const QString& fileName);

// Replaces the desktop's opener (tests). An empty function restores the desktop's.
void setOpener(std::function<bool(const QUrl&)> opener);

} // namespace HelpPages
