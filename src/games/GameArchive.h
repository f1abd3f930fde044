// SPDX-License-Identifier: GPL-3.0-or-later
// The games kept on this computer besides the one being played: the previous games, finished
// or interrupted, the game a program that is no longer running left unfinished, and taking a
// game up again, which hands its draws and its file over to the journal.
#pragma once

#include "games/DiskFolder.h"
#include "games/GameJournal.h"
#include "games/Journal.h"

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <QVector>
#include <map>
#include <memory>
#include <optional>

// A kept game as the list of previous games shows it.
struct GameSummary
{
    QString path;
    QDateTime started; // the first event (the file's date for a game of a newer version)
    int drawCount = 0;
    QVector<int> lastNumbers; // the last few, the most recent last
    bool endedNormally = false;
    bool newerVersion = false; // written by a newer program: shown, never read nor touched
    // Of a game played beside other tables: the table's name and the run that played it.
    QString tableName;
    QString sitting;
};

class GameArchive
{
public:
    static constexpr int LastNumbersKept = 10;

    // What taking a game up again or deleting it did.
    struct Outcome
    {
        enum class Status {
            Done,
            WrittenByNewerVersion, // never read nor touched
            HeldElsewhere, // another running program holds it, or it is the game being played
            Gone, // its file is no longer there
            Unreadable, // its file cannot be read, or is not a journal of ours
            TooLarge, // beyond the largest game kept: see drawsBeyond; never read in part
            DiskRefused, // see failure
        };

        Status status = Status::Done;
        DiskFailure failure;
        // Of a game taken up again: lines of its file that were left out. Of a game refused
        // as too large: the numbers it holds beyond the largest game (0 when its file goes on
        // beyond what is read).
        int linesLeftOut = 0;
        qint64 drawsBeyond = 0;

        bool done() const { return status == Status::Done; }
    };

    // The games under <root>; a game taken up again goes to the journal, which must outlive
    // the archive.
    GameArchive(const QString& root, GameJournal& journal);
    GameArchive(const GameArchive&) = delete;
    GameArchive& operator=(const GameArchive&) = delete;

    QString currentFolder() const { return m_currentFolder; } // <root>/en-cours
    QString previousFolder() const { return m_previousFolder; } // <root>/parties

    // Finished and interrupted games, the newest first; not the game being played, nor any
    // game another running program holds.
    QVector<GameSummary> previousGames() const;

    // The newest game left unfinished by a program that is no longer running, held until it
    // is resumed or set aside. Interrupted games with no number left are removed.
    std::optional<GameSummary> findInterrupted();
    // The same game first, then the other tables its run left unfinished with it, all held
    // until resumed or set aside; empty when no game was left unfinished.
    QVector<GameSummary> findInterruptedTables();

    // Ends the game being played, then makes that game the journal's: its draws are the
    // journal's game to be replayed, and the next events are written into its file.
    Outcome resume(const GameSummary& game);
    // The same into another table's journal, which must outlive the archive too.
    Outcome resume(const GameSummary& game, GameJournal& journal);

    // Moves an interrupted game to the previous games, as it is.
    bool setAside(const GameSummary& game);

    // Removes a previous game for good.
    Outcome remove(const GameSummary& game);

    // The game's journal, read again (to export it).
    JournalReading read(const GameSummary& game) const;

private:
    // Every game left unfinished by a program no longer running, newest first, each held.
    QVector<GameSummary> claimInterrupted();
    GameFiles::Held takeClaim(const QString& path);
    bool isPlayed(const QString& path) const;

    QString m_currentFolder;
    QString m_previousFolder;
    GameJournal& m_journal;

    // Interrupted games found at start-up, held until resumed or set aside.
    std::map<QString, std::unique_ptr<QLockFile>> m_claims;
};
