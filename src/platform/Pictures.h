// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures and the application's look: the icons built into the program, the system
// language for the standard buttons, the style the windows were designed in.
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

// Title, version, icon, style and font of the program, and Qt's own translations for the
// system language, so that a French desktop reads "Oui" and "Non" on the standard buttons.
void setUp(QApplication& application);

// Loads Qt's translations of its standard texts for a language; false when none is installed.
bool installQtTranslations(QApplication& application, const QLocale& locale);

} // namespace Desktop
