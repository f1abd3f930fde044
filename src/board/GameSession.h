// SPDX-License-Identifier: GPL-3.0-or-later
// One game at the table, without any window: its table, an entry and the rule of one
// question at a time, undo, a list of numbers, a new game, a kept game taken up again, the
// blinks between entries, and when the journal gets the confirmed numbers. The board window
// shows what it holds and hands it the player's clicks, keys and menu choices.
#pragma once

#include "board/Table.h"
#include "games/GameLibrary.h"

#include <QObject>
#include <QVector>
#include <functional>
#include <memory>

// What makes the board's advice blink: a 500 ms timer per blink, or a test's own hand.
class BlinkTimers
{
public:
    virtual ~BlinkTimers() = default;
    // Stops the blink; when `running`, starts it again, its first tick one full interval away.
    virtual void restart(BlinkTimer blink, bool running) = 0;
    virtual bool isRunning(BlinkTimer blink) const = 0;
};

class GameSession : public QObject
{
    Q_OBJECT

public:
    static constexpr int BlinkInterval = 500; // ms

    enum class Question { Entry, Undo };
    // Asks the player about `number` (the number drawn, or the one to take back): true for
    // yes. Whoever asks may also answer no at once, when another question is already open.
    using Asker = std::function<bool(Question question, int number)>;

    // Without an asker every question is answered yes; the blinks run on real timers.
    explicit GameSession(QObject* parent = nullptr);
    ~GameSession() override;

    void setAsker(Asker asker);
    void setBlinkTimers(std::unique_ptr<BlinkTimers> timers);
    const BlinkTimers& blinkTimers() const { return *m_blinkTimers; }

    // Games are kept (journal, previous games) once a library is given; without one,
    // nothing is written.
    void keepGamesIn(GameLibrary& library);
    // The same with a journal of this session's own, beside other sessions sharing the archive.
    void keepGamesIn(GameJournal& journal, GameArchive& archive);
    bool keepsGames() const { return m_journal != nullptr; }

    const Table& table() const { return m_table; }
    // A question of this session's is open.
    bool isAsking() const { return m_asking; }

    // Asks the player to confirm the number and, on yes, enters it. False when it was not
    // entered: not a number of the wheel, a question already open, the game full (told by
    // full()), or not confirmed.
    bool confirmAndEnter(int number);
    // Asks first; true when the last number was taken back.
    bool undoLastNumber();
    // How many more numbers this game can take before it is the largest game kept.
    int roomLeft() const { return GameRecord::MaxDraws - m_table.drawCount(); }
    // Enters numbers in playing order without a question; numbers off the wheel are skipped.
    // False, and nothing entered, when they would not all fit in the game.
    bool enterNumbers(const QVector<int>& numbers);
    // Ends the current game; the table starts again from no draw.
    void newGame();

    // Told how many numbers are in; false to stop.
    using Progress = std::function<bool(int entered)>;
    // Ends the current game, as newGame() does, and starts one made of these numbers, in
    // playing order, without a question or speech. The new game is made aside in steps of
    // ProgressStep numbers: stopped, or too large for a game, nothing changes and it is false.
    bool startGameWith(const QVector<int>& numbers, const Progress& progress = {});
    static constexpr int ProgressStep = 50'000;

    // Ends the current game and takes `game` up; whatever the journal then holds is what the
    // table shows, an empty game when it could not be taken up.
    GameArchive::Outcome resume(const GameSummary& game);
    // Closing the board: the game goes to the previous games.
    void end();

    void toggleSpeech();
    // One tick of a running blink.
    void blinkTick(BlinkTimer blink);

    // Hands the journal the confirmed numbers it has not had yet (before an export, say).
    void writeConfirmedNumbers();
    // The kept games, or null when none are kept.
    GameJournal* journal() const { return m_journal; }
    GameArchive* archive() const { return m_archive; }

signals:
    // One number confirmed and entered; it reaches the journal once this is over.
    void entered(int number);
    // The draws changed other than by one entry (undo, a list, a new or resumed game).
    void rebuilt();
    void blinked(BlinkTimer blink);
    // Writing the game failed, told once with what the disk refused; the game goes on in
    // memory.
    void saveProblem(const DiskFailure& failure);
    // A number was refused: the game is the largest game kept.
    void full();

private:
    bool ask(Question question, int number);
    void rebuild(const std::vector<std::uint8_t>& draws);
    void restartBlinks();
    void journalLater(const QVector<int>& numbers);
    void tellSaveProblem();

    Table m_table;
    Asker m_asker;
    std::unique_ptr<BlinkTimers> m_blinkTimers;
    GameJournal* m_journal = nullptr;
    GameArchive* m_archive = nullptr;
    QVector<int> m_unwritten; // confirmed numbers the journal gets once the windows show them
    bool m_asking = false;
};
