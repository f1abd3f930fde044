// SPDX-License-Identifier: GPL-3.0-or-later
// What the games need of the disk beyond Qt: making a folder's entries survive a power cut,
// and what went wrong when the disk refused.
#pragma once

#include <QByteArray>
#include <QString>

// What the disk refused, as the player is to be told it: its kind, the system's error number
// and the folder (or, for a file that cannot be replaced, the file) it concerns.
struct DiskFailure
{
    enum class Kind {
        DiskFull, // ENOSPC
        QuotaReached, // EDQUOT
        FolderNotWritable, // EACCES, EPERM
        FolderReadOnly, // EROFS
        FolderNotCreated, // ENOTDIR, ENOENT, EEXIST
        NameTooLong, // ENAMETOOLONG
        DiskError, // EIO
        FileNotReplaced, // a folder or another non-file stands where a file is to be written
        Unexpected, // any other error number
    };

    Kind kind = Kind::Unexpected;
    int errorNumber = 0;
    QString path;
};

namespace DiskFolder {

// Asks the disk to keep the folder's list of names (a new or renamed file) as it is now.
void sync(const QByteArray& encodedPath);
void sync(const QString& path);

// Makes the folder and those above it; 0 when it stands, or the system's error number.
int make(const QString& path);

// Removes a file; 0 when done, or the system's error number.
int remove(const QString& path);

// Why writing into that folder failed, from the system's error number.
DiskFailure failureOf(int errorNumber, const QString& folder);

} // namespace DiskFolder
