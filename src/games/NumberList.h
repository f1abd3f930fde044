// SPDX-License-Identifier: GPL-3.0-or-later
// A list of numbers pasted or typed by the player, as casino panels and other trackers show
// them: numbers 0 to 36 separated by spaces, commas, semicolons, tabs or line breaks.
#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

namespace NumberList {

enum class Order { OldestFirst, NewestFirst };

// A word of the list that is not a number 0 to 36, and its place among the words (from 1,
// as the player reads the list).
struct Mistake
{
    QString word;
    int place = 0;
};

struct Reading
{
    QVector<int> numbers; // in playing order: the oldest first, whatever the list's order
    QVector<Mistake> mistakes; // the first MistakesKept, in the order of the list
    int mistakeCount = 0; // all of them
};

// No window can show more than this many mistakes at once; the rest are only counted.
constexpr int MistakesKept = 20;

Reading read(QStringView text, Order order);

} // namespace NumberList
