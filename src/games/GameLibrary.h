// SPDX-License-Identifier: GPL-3.0-or-later
// The games kept on this computer, in the program's data folder: the game being played,
// written as it goes into "en-cours", and the previous games, finished or interrupted, in
// "parties". Each game a running program holds has a lock file beside it, so that two
// programs started at once each keep their own game and never touch the other's.
#pragma once

#include "games/Journal.h"
#include "games/JournalWriter.h"

#include <QDateTime>
#include <QString>
#include <QVector>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QLockFile;

// A kept game as the list of previous games shows it.
struct GameSummary
{
    QString path;
    QDateTime started; // the first event (the file's date for a game of a newer version)
    int drawCount = 0;
    QVector<int> lastNumbers; // the last few, the most recent last
    bool endedNormally = false;
    bool newerVersion = false; // written by a newer program: shown, never read nor touched
};

// What taking up a game again did.
struct Resumption
{
    bool resumed = false;
    QString problem; // why not, as a whole French sentence
    QString notice; // lines of its file left out, as a whole French sentence, or empty
};

class GameLibrary
{
public:
    using Clock = std::function<QDateTime()>;

    static constexpr int LastNumbersKept = 10;

    // Games live under the program's data folder unless a folder is given.
    explicit GameLibrary(const QString& folder = defaultFolder());
    // Leaves the game being played as it stands: not ended, so the next start finds it
    // interrupted. The board ends it when it closes.
    ~GameLibrary();
    GameLibrary(const GameLibrary&) = delete;
    GameLibrary& operator=(const GameLibrary&) = delete;

    static QString defaultFolder(); // QStandardPaths::AppDataLocation
    QString currentFolder() const; // <folder>/en-cours
    QString previousFolder() const; // <folder>/parties

    // The local date and time events are stamped with; the wall clock unless a test sets it.
    void setClock(Clock clock);

    // --- The game being played -----------------------------------------------------------
    const GameRecord& currentGame() const { return m_game; }
    QString currentPath() const { return m_path; } // empty until its first number

    // Each event is written at once. The first number creates the game's file.
    void recordNumber(int number);
    void recordNumbers(const QVector<int>& numbers); // one write for a whole list
    bool recordUndo(); // false when there is no number to take back

    // Closes the game: its file gets its last line and goes to the previous games, or is
    // removed when no number is left in it. The next number starts a new game.
    void endCurrentGame();

    // Returns once every event of this game written so far is on the disk (each next event
    // waits for it anyway).
    void waitForDisk() { m_writer.waitForDisk(); }

    // False once writing this game failed; it goes on in memory and is no longer written.
    bool isSaving() const;
    // Why this game is not being saved, as a whole French sentence, the first time it is
    // asked after the failure; empty otherwise.
    QString takeSaveProblem();

    // --- Previous games ------------------------------------------------------------------
    // Finished and interrupted games, the newest first; not the game being played, nor any
    // game another running program holds.
    QVector<GameSummary> previousGames() const;

    // The newest game left unfinished by a program that is no longer running, held until it
    // is resumed or set aside. Interrupted games with no number left are removed.
    std::optional<GameSummary> findInterrupted();

    // Ends the game being played, then makes that game the current one: its draws are in
    // currentGame() to be replayed, and the next events are written into its file.
    Resumption resume(const GameSummary& game);

    // Moves an interrupted game to the previous games, as it is.
    bool setAside(const GameSummary& game);

    // Removes a previous game for good; empty when done, otherwise why not (French).
    QString remove(const GameSummary& game);

    // The game's journal, read again (to export it).
    JournalReading read(const GameSummary& game) const;

private:
    // A game whose lock this program holds, or why it could not take it.
    struct Held
    {
        QString path;
        std::unique_ptr<QLockFile> lock;
        bool heldElsewhere = false; // a running program holds it
        int error = 0; // otherwise, the system's error number
    };

    QDateTime now() const;
    bool startFile(const QByteArray& firstEvents);
    void write(const QByteArray& lines);
    void stopSaving(int errorNumber, const QString& folder);
    Held claim(const QString& path) const;
    Held takeClaim(const QString& path);
    bool moveInto(Held& game, const QString& folder) const;
    QVector<QString> gameFiles(const QString& folder) const;

    QString m_folder;
    Clock m_clock;

    GameRecord m_game;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    JournalWriter m_writer;
    bool m_saving = true;
    int m_problem = 0; // the errno that stopped saving
    QString m_problemFolder;
    bool m_problemTold = false;

    // Interrupted games found at start-up, held until resumed or set aside.
    std::map<QString, std::unique_ptr<QLockFile>> m_claims;
};
