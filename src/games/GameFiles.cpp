// SPDX-License-Identifier: GPL-3.0-or-later
// Where kept games lie, and a game's lock and moves.
#include "games/GameFiles.h"

#include "games/DiskFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace GameFiles {

namespace {

const QString Extension = QStringLiteral(".txt");
const QString LockSuffix = QStringLiteral(".lock");

} // namespace

QString currentFolder(const QString& root)
{
    return QDir::cleanPath(QDir(root).absolutePath()) + QStringLiteral("/en-cours");
}

QString previousFolder(const QString& root)
{
    return QDir::cleanPath(QDir(root).absolutePath()) + QStringLiteral("/parties");
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

QString gamePath(const QString& folder, const QString& base, int attempt)
{
    const QString name = attempt == 1 ? base : base + QStringLiteral("-%1").arg(attempt);
    return folder + QLatin1Char('/') + name + Extension;
}

QVector<QString> gamesIn(const QString& folder)
{
    QVector<QString> paths;
    const QDir dir(folder);
    const QStringList names
        = dir.entryList({QStringLiteral("*") + Extension}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString& name : names) {
        paths.append(folder + QLatin1Char('/') + name);
    }
    return paths;
}

Held claim(const QString& path)
{
    Held held;
    held.path = path;
    auto lock = std::make_unique<QLockFile>(path + LockSuffix);
    // Held for a whole evening: only a dead owner makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    errno = 0;
    if (lock->tryLock(0)) {
        held.lock = std::move(lock);
        return held;
    }
    const int error = errno;
    held.heldElsewhere = lock->error() == QLockFile::LockFailedError;
    held.error = lock->error() == QLockFile::PermissionError ? EACCES : error != 0 ? error : EIO;
    return held;
}

bool moveInto(Held& game, const QString& folder)
{
    const QString from = folderOf(game.path);
    if (from == folder) {
        return true;
    }
    if (DiskFolder::make(folder) != 0) {
        return false;
    }
    QString base = QFileInfo(game.path).fileName();
    base.chop(Extension.size());
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const QString target = gamePath(folder, base, attempt);
        Held moved = claim(target);
        if (!moved.lock) {
            continue;
        }
        // Never over another game: the rename fails when the name is taken.
        if (QFile::rename(game.path, target)) {
            DiskFolder::sync(folder);
            DiskFolder::sync(from);
            game = std::move(moved);
            return true;
        }
        if (!QFileInfo::exists(game.path)) {
            return false;
        }
    }
    return false;
}

} // namespace GameFiles
