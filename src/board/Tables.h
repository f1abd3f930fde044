// SPDX-License-Identifier: GPL-3.0-or-later
// The tables a player follows at once, each its own game with its own session, journal,
// undo and export. One table is shown; the others go on (the simulator may feed one of
// them) and are marked when they reach an advice. With one table it is the program as ever.
#pragma once

#include "board/GameSession.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

class Tables : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxTables = 8;
    static constexpr int MaxNameLength = 40;

    // Asks the player about a number at table `index` (see GameSession::Asker).
    using Asker = std::function<bool(int index, GameSession::Question question, int number)>;

    // One table, shown.
    explicit Tables(QObject* parent = nullptr);
    ~Tables() override;

    void setAsker(Asker asker);
    // Games are kept once a library is given; each further table gets a journal of its own
    // in the same folder. The library must outlive the tables.
    void keepGamesIn(GameLibrary& library);

    int count() const { return static_cast<int>(m_tables.size()); }
    int currentIndex() const { return m_current; }
    GameSession& current() const { return at(m_current); }
    GameSession& at(int index) const;
    // "Table 3", or the name the player gave it.
    QString name(int index) const;
    // The table reached an advice while it was not shown, and has not been shown since.
    bool isMarked(int index) const;

    // A new table, with no draw, becomes the shown one; -1 when MaxTables are open.
    int add();
    // The table's game ends as a new game ends it; the last table stays open. False when it
    // could not close: the last one, or a question of its own is open.
    bool close(int index);
    // A name of the player's (spaces tidied, cut to MaxNameLength); an empty one gives the
    // table back its number's name.
    void rename(int index, const QString& name);
    void show(int index);
    void showNext();

    // Spoken advice is the board's: on or off for every table at once.
    void toggleSpeech();
    // Closing the board: every table's game goes to the previous games.
    void endAll();

    // The game the last run left unfinished, with the other tables of that run, in the order
    // of their tables.
    QVector<GameSummary> findInterrupted();
    void setAside(const QVector<GameSummary>& games);
    // The tables of `games` taken up again in their order, the first on the shown table and
    // each other one on a new table named as it was; the first of them is shown. One outcome
    // per game.
    QVector<GameArchive::Outcome> resume(const QVector<GameSummary>& games);

signals:
    // Of the shown table only.
    void entered(int number);
    void rebuilt();
    void blinked(BlinkTimer blink);
    // Another table became the shown one, or the tables changed (added, closed, renamed,
    // marked).
    void shownChanged();
    void tablesChanged();
    // A table that is not shown entered a number; its spoken advice is for the board to say.
    void enteredElsewhere(int index, int number);
    void saveProblem(int index, const DiskFailure& failure);
    // A number was refused: the table's game holds the largest game kept.
    void full();

private:
    struct Entry;

    int indexOf(const GameSession* session) const;
    // A table with no draw, its name's number the lowest free, its journal in the library.
    void makeTable();
    bool isNumberTaken(int number, const Entry* except) const;
    int freeNumber() const;
    GameJournal* takeJournal();
    void nameInJournals();

    std::vector<std::unique_ptr<Entry>> m_tables;
    int m_current = 0;
    Asker m_asker;
    GameLibrary* m_library = nullptr;
    std::vector<std::unique_ptr<GameJournal>> m_ownJournals;
    std::vector<GameJournal*> m_freeJournals;
    QString m_sitting; // this run's, said in the journals once several tables are open
};
