// SPDX-License-Identifier: GPL-3.0-or-later
// The game being played, written into its journal as it goes: each event at once, the file
// made in "en-cours" with its first number and locked while this program plays it, and what
// stopped the saving should the disk refuse.
#pragma once

#include "games/DiskFolder.h"
#include "games/GameFiles.h"
#include "games/Journal.h"
#include "games/JournalWriter.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>

class GameJournal
{
public:
    using Clock = std::function<QDateTime()>;

    // Games are played in <root>/en-cours and go, once ended, to <root>/parties.
    explicit GameJournal(const QString& root);
    // Leaves the game as it stands: not ended, so the next start finds it interrupted. The
    // board ends it when it closes.
    ~GameJournal();
    GameJournal(const GameJournal&) = delete;
    GameJournal& operator=(const GameJournal&) = delete;

    // The local date and time events are stamped with; the wall clock unless a test sets it.
    void setClock(Clock clock);

    const GameRecord& game() const { return m_game; }
    QString path() const { return m_path; } // empty until its first number

    // Each event is written at once. The first number creates the game's file.
    void recordNumber(int number);
    void recordNumbers(const QVector<int>& numbers); // one write for a whole list
    bool recordUndo(); // false when there is no number to take back

    // Closes the game: its file gets its last line and goes to the previous games, or is
    // removed when no number is left in it. The next number starts a new game.
    void endGame();

    // The table this journal's games are played at, beside others: said in the game's file
    // now and at the start of every next game, so that the tables of one run can be offered
    // back together. Kept across games.
    void setTable(const QString& sitting, const QString& name);

    // Plays on a kept game whose lock this program holds, the game being played ended
    // before: its draws are the game, and the next events are written into its file.
    void takeUp(const GameRecord& game, GameFiles::Held file);

    // Returns once every event of this game written so far is on the disk (each next event
    // waits for it anyway).
    void waitForDisk() { m_writer.waitForDisk(); }

    // False once writing this game failed; it goes on in memory and is no longer written.
    bool isSaving() const;
    // What stopped the saving of this game, the first time it is taken after the failure;
    // nothing otherwise.
    std::optional<DiskFailure> takeSaveFailure();

private:
    QDateTime now() const;
    QByteArray tableLine() const;
    bool startFile(const QByteArray& firstEvents);
    void write(const QByteArray& lines);
    void stopSaving(int errorNumber, const QString& folder);

    QString m_currentFolder;
    QString m_previousFolder;
    Clock m_clock;

    GameRecord m_game;
    QString m_path;
    QString m_sitting; // empty while the game is played at no named table
    QString m_tableName;
    std::unique_ptr<QLockFile> m_lock;
    JournalWriter m_writer;
    std::optional<DiskFailure> m_failure; // saving stopped
    bool m_failureTaken = false;
};
