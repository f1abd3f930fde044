// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/JournalWriter.h"

#include "games/DiskFolder.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

JournalWriter::~JournalWriter()
{
    close();
}

bool JournalWriter::create(const QString& path, const QByteArray& firstLines)
{
    close();
    m_error = 0;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) {
        fail(errno);
        return false;
    }
    if (!start(fd, path)) {
        return false;
    }
    m_folderSyncPending = true;
    return append(firstLines);
}

bool JournalWriter::reopen(const QString& path)
{
    close();
    m_error = 0;
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CLOEXEC);
    if (fd < 0) {
        fail(errno);
        return false;
    }
    struct stat status
    {
    };
    char last = '\n';
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)
        || (status.st_size > 0 && ::pread(fd, &last, 1, status.st_size - 1) != 1)) {
        fail(S_ISREG(status.st_mode) ? errno : EINVAL);
        ::close(fd);
        return false;
    }
    if (!start(fd, path)) {
        return false;
    }
    return last == '\n' || append(QByteArrayLiteral("\n"));
}

bool JournalWriter::start(int fd, const QString& path)
{
    m_fd = fd;
    m_folder = QFile::encodeName(QFileInfo(path).absolutePath());
    m_stopping = false;
    m_syncWanted = false;
    m_folderSyncWanted = false;
    m_folderSyncPending = false;
    m_syncing = false;
    m_syncer = std::thread(&JournalWriter::syncLoop, this);
    return true;
}

bool JournalWriter::append(const QByteArray& lines)
{
    if (m_fd < 0 || m_error.load() != 0) {
        return false;
    }
    waitForDisk();
    if (!writeAll(lines)) {
        return false;
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_syncWanted = true;
        m_folderSyncWanted = m_folderSyncPending;
    }
    m_folderSyncPending = false;
    m_changed.notify_all();
    return true;
}

bool JournalWriter::writeAll(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(m_fd, data, static_cast<std::size_t>(left));
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(errno);
            return false;
        }
        if (written == 0) {
            fail(ENOSPC);
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

void JournalWriter::close()
{
    if (m_fd < 0) {
        return;
    }
    waitForDisk();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    m_syncer.join();
    if (::close(m_fd) != 0 && errno != EINTR) {
        fail(errno);
    }
    m_fd = -1;
}

void JournalWriter::fail(int errorNumber)
{
    int none = 0;
    m_error.compare_exchange_strong(none, errorNumber != 0 ? errorNumber : EIO);
}

void JournalWriter::waitForDisk()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_syncWanted && !m_folderSyncWanted && !m_syncing; });
}

void JournalWriter::syncLoop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_changed.wait(lock, [this] { return m_syncWanted || m_folderSyncWanted || m_stopping; });
        if (!m_syncWanted && !m_folderSyncWanted) {
            return; // stopping, and nothing left to sync
        }
        const bool folder = m_folderSyncWanted;
        m_syncWanted = false;
        m_folderSyncWanted = false;
        m_syncing = true;
        lock.unlock();

        // A file system that cannot sync (EINVAL) keeps what it has; that is no failure.
        if (::fdatasync(m_fd) != 0 && errno != EINVAL) {
            fail(errno);
        }
        if (folder) {
            DiskFolder::sync(m_folder);
        }

        lock.lock();
        m_syncing = false;
        m_changed.notify_all();
    }
}
