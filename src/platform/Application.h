// SPDX-License-Identifier: GPL-3.0-or-later
// What the program knows of itself: its title, its version, where it lives and where its
// help pages and pictures are found.
#pragma once

#include <QString>
#include <QStringList>

namespace Application {

QString title(); // "Tambrel"
int versionMajor();
int versionMinor();
int versionRevision();
QString versionText(); // "1.3.0"

// The folder of the running executable.
QString programDirectory();

// Where a data file (help page, icon) may be, in the order they are tried: the current
// folder, the program's folder, the installed data folder next to the program
// (../share/tambrel) and the folder the build was configured to install into.
QStringList dataDirectories();

// The first existing file of that name in dataDirectories() (in a folder of theirs, such as
// "en" for the English help pages), or an empty text.
QString locateDataFile(const QString& fileName, const QString& folder = QString());

} // namespace Application
