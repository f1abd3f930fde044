// SPDX-License-Identifier: GPL-3.0-or-later
// Appends events to a game's journal the moment they happen. Each append is written at
// once, so a killed program loses nothing; a thread of its own then waits for the disk
// (fdatasync, about 200 µs) so that the entry never does, and the next append first makes
// sure the one before reached the disk, so that a power cut loses no confirmed number once
// the next entry starts.
#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class JournalWriter
{
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Creates a journal that must not exist yet, with its first lines.
    bool create(const QString& path, const QByteArray& firstLines);
    // Opens an existing journal to write after its end. A last line cut short by a crash is
    // ended first, so that it stays one line left out and spoils no event after it.
    bool reopen(const QString& path);
    // Writes at once; false when the journal is not open or a write already failed.
    bool append(const QByteArray& lines);
    // Waits for the disk, then closes. Failures stay readable through error().
    void close();
    // Returns once everything written so far is on the disk.
    void waitForDisk();

    bool isOpen() const { return m_fd >= 0; }
    // The errno of the first write or disk failure, 0 while none happened.
    int error() const { return m_error.load(); }

private:
    bool start(int fd, const QString& path);
    bool writeAll(const QByteArray& bytes);
    void fail(int errorNumber);
    void syncLoop();

    int m_fd = -1;
    QByteArray m_folder; // synced once, so that the new file's name survives a power cut
    bool m_folderSyncPending = false; // with the first lines of a new journal
    std::atomic<int> m_error{0};

    std::thread m_syncer;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_syncWanted = false;
    bool m_folderSyncWanted = false;
    bool m_syncing = false;
    bool m_stopping = false;
};
