// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/DiskFolder.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace DiskFolder {

void sync(const QByteArray& encodedPath)
{
    const int fd = ::open(encodedPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

void sync(const QString& path)
{
    sync(QFile::encodeName(path));
}

int make(const QString& path)
{
    const QByteArray encoded = QFile::encodeName(QDir::cleanPath(QDir(path).absolutePath()));
    for (qsizetype end = 1; end <= encoded.size(); ++end) {
        if (end == encoded.size() || encoded[end] == '/') {
            if (::mkdir(encoded.left(end).constData(), 0755) != 0 && errno != EEXIST) {
                return errno;
            }
        }
    }
    struct stat status
    {
    };
    if (::stat(encoded.constData(), &status) != 0) {
        return errno;
    }
    return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
}

int remove(const QString& path)
{
    return ::unlink(QFile::encodeName(path).constData()) == 0 ? 0 : errno;
}

DiskFailure failureOf(int errorNumber, const QString& folder)
{
    using Kind = DiskFailure::Kind;
    const auto kindOf = [errorNumber] {
        switch (errorNumber) {
        case ENOSPC:
            return Kind::DiskFull;
        case EDQUOT:
            return Kind::QuotaReached;
        case EACCES:
        case EPERM:
            return Kind::FolderNotWritable;
        case EROFS:
            return Kind::FolderReadOnly;
        case ENOTDIR:
        case ENOENT:
        case EEXIST:
            return Kind::FolderNotCreated;
        case ENAMETOOLONG:
            return Kind::NameTooLong;
        case EIO:
            return Kind::DiskError;
        default:
            return Kind::Unexpected;
        }
    };
    return {kindOf(), errorNumber, folder};
}

} // namespace DiskFolder
