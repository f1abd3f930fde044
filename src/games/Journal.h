// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of a game: a UTF-8 text a person can read, one line per event with its local
// date and time, written as the game goes so that a killed program loses nothing.
//
//   Tambrel partie 1
//   2026-12-06 20:15:03 numéro 17
//   2026-12-06 20:16:10 annulation
//   2026-12-07 19:02:44 reprise
//   2026-12-07 22:40:09 fin de partie
//
// "annulation" takes back the last number; "reprise" says the game was taken up again;
// "fin de partie" that it was closed normally. A game played beside other tables also says
// which table it is and the evening it belongs to ("table 5f0c2a91 Table 2", the latest line
// holding): the tables one program played together are offered back together. Reading never trusts the file:
// whatever it holds, the reader keeps within its bounds and leaves out what it does not understand.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVector>

namespace Journal {

// The version this program writes and the highest it can read.
constexpr int FormatVersion = 1;

// Longer lines are never ours and are left out without being kept.
constexpr int MaxLineBytes = 200;
// Reading stops there: twice the file of the largest game (GameRecord::MaxDraws lines of at
// most 31 bytes), room for its undos and resumes, yet a bound on a file that never ends.
constexpr qint64 MaxFileBytes = 128 * 1024 * 1024;

QByteArray headerLine(); // "Tambrel partie 1\n"
QByteArray numberLine(const QDateTime& when, int number);
// Numbers 0 to 36, each on its line, all with the same stamp.
QByteArray numberLines(const QDateTime& when, const QVector<int>& numbers);
QByteArray undoLine(const QDateTime& when);
QByteArray resumeLine(const QDateTime& when);
QByteArray endLine(const QDateTime& when);
// `sitting`: the eight hexadecimal digits of one run of the program; `name` is cut to fit.
QByteArray tableLine(const QDateTime& when, const QString& sitting, const QString& name);

} // namespace Journal

struct Draw
{
    int number = 0;
    QDateTime when; // local date and time, to the second
};

// A game as its journal tells it.
struct GameRecord
{
    // The largest game this program keeps: what it accepts, it reads back whole. Lists,
    // imports and entries that would go beyond it are refused before anything is written.
    static constexpr int MaxDraws = 2'000'000;

    QVector<Draw> draws; // in playing order, taken-back numbers removed
    QDateTime started; // the first event; invalid for a game with no event
    bool endedNormally = false; // the last event is "fin de partie"
    // Of a game played beside other tables: the table's name and the run that played it.
    QString tableName;
    QString sitting;
};

struct JournalReading
{
    enum class Status {
        Read, // a journal of ours, read as far as it goes
        CannotOpen, // not a file, or not readable
        NotAJournal, // its first line is not ours
        NewerVersion, // written by a newer program: not read, and never to be written
    };

    Status status = Status::CannotOpen;
    int version = 0; // the version its first line names
    GameRecord game;
    int linesLeftOut = 0; // lines not understood, cut in the middle, or too long
    // Numbers the file holds beyond GameRecord::MaxDraws, counted but not kept (an undo
    // takes back the last of them first).
    qint64 drawsBeyond = 0;
    bool tooLarge = false; // the file goes on beyond MaxFileBytes; the rest was not read

    // The game is all there, within what this program keeps.
    bool isWhole() const { return drawsBeyond == 0 && !tooLarge; }
};

JournalReading readJournal(const QString& path);
