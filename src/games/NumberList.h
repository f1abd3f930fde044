// SPDX-License-Identifier: GPL-3.0-or-later
// A list of numbers pasted or typed by the player, or read from a file, as casino panels,
// their published spins and other trackers show them: numbers 0 to 36 separated by spaces,
// commas, semicolons, tabs or line breaks.
#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

namespace NumberList {

enum class Order { OldestFirst, NewestFirst };

// A word of the list that is not a number 0 to 36, and where it stands: its place among the
// words of the list, its line and its column (the place among the words of its line), all
// from 1, as the player reads the list.
struct Mistake
{
    QString word;
    int place = 0;
    qint64 line = 0;
    int column = 0;
};

struct Reading
{
    // In the list's order, from the lines without a mistake, at most GameRecord::MaxDraws of
    // them (the others are only counted).
    QVector<int> numbers;
    qint64 numberCount = 0; // all the numbers of the lines without a mistake
    QVector<Mistake> mistakes; // the first MistakesKept, in the order of the list
    qint64 mistakeCount = 0; // all of them
    qint64 linesWithMistakes = 0;
};

// No window can show more than this many mistakes at once; the rest are only counted.
constexpr int MistakesKept = 20;

// The number a word means, or -1. Leading zeros are allowed ("05"), other digits than 0-9
// are not.
int numberOf(QStringView word);

// The numbers in playing order, the oldest first.
QVector<int> inPlayingOrder(QVector<int> numbers, Order order);

// Reads a list given in pieces, each ending between two words (a file read in parts).
class Reader
{
public:
    // A list read from a file leaves out lines with no digit at all (a title, a date
    // written in words); a list typed by the player has none to leave out.
    enum class Lines { AllRead, WithoutDigitLeftOut };

    explicit Reader(Lines lines = Lines::AllRead);

    // The next piece of the list.
    void read(QStringView text);

    // What a reader of another layout found on the current line: a number, a word that is
    // not one (at its column), and the end of the line.
    void number(int number);
    void mistake(QStringView word, int column);
    void endLine();

    // The last line ends; the reading, in the list's order.
    Reading finish();

private:
    void word(QStringView word);
    void addMistake(QStringView word, int column);

    Reading m_reading;
    Lines m_lines;
    int m_place = 0;
    qint64 m_line = 1;
    int m_column = 0;
    // The current line: where its numbers and mistakes start, and what it held so far.
    qsizetype m_lineNumbersStart = 0;
    qint64 m_lineNumberCount = 0;
    qsizetype m_lineMistakesStart = 0;
    qint64 m_lineMistakeCount = 0;
    bool m_lineHasDigit = false;
};

// A list typed or pasted whole, in playing order.
Reading read(QStringView text, Order order);

} // namespace NumberList
