// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and the application's look: the icons built into the program, its language,
// the style the windows were designed in.
#pragma once

#include <QIcon>
#include <QString>

class QApplication;

namespace Pictures {

// The built-in icon of that name, or a null icon when there is none: a button without its
// picture, never a failure.
QIcon load(const QString& fileName);

QIcon applicationIcon();
QIcon helpBulb();

} // namespace Pictures

namespace Desktop {

// Title, version, icon, style and font of the program, and its language: the player's
// choice or the desktop's, with Qt's own texts ("Oui", "Non") in the same language.
void setUp(QApplication& application);

} // namespace Desktop
