// SPDX-License-Identifier: GPL-3.0-or-later
// Where kept games lie and how a program holds one: the game being played in "en-cours", the
// others in "parties", a lock file beside each game a running program holds, so that two
// programs started at once each keep their own game and never touch the other's.
#pragma once

#include <QLockFile>
#include <QString>
#include <QVector>
#include <memory>

namespace GameFiles {

QString currentFolder(const QString& root); // <root>/en-cours
QString previousFolder(const QString& root); // <root>/parties
QString folderOf(const QString& path);

// A game file no program could have created this many times in one second.
constexpr int NameAttempts = 100;
// "<folder>/<base>.txt", then "<folder>/<base>-2.txt" and so on.
QString gamePath(const QString& folder, const QString& base, int attempt);

// The games of a folder, by name.
QVector<QString> gamesIn(const QString& folder);

// A game whose lock this program holds, or why it could not take it.
struct Held
{
    QString path;
    std::unique_ptr<QLockFile> lock;
    bool heldElsewhere = false; // a running program holds it
    int error = 0; // otherwise, the system's error number
};

Held claim(const QString& path);

// Moves a held game into a folder under a name no other game has, its lock with it. False
// when it stays where it was.
bool moveInto(Held& game, const QString& folder);

} // namespace GameFiles
