// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/NumberList.h"

#include "roulette/Roulette.h"

#include <algorithm>

namespace NumberList {

namespace {

bool isSeparator(QChar c)
{
    // Any blank (no-break spaces come with text copied from web pages) and the two list marks.
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(';');
}

// The number a word means, or -1. Leading zeros are allowed ("05"), other digits than 0-9 are not.
int numberOf(QStringView word)
{
    int value = 0;
    int significant = 0;
    for (const QChar c : word) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return -1;
        }
        value = value * 10 + (c.unicode() - '0');
        if (value > 0 && ++significant > 2) {
            return -1; // at least 100: no need to read further
        }
    }
    return Roulette::isValidNumber(value) ? value : -1;
}

} // namespace

Reading read(QStringView text, Order order)
{
    Reading reading;
    int place = 0;
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        while (i < size && isSeparator(text[i])) {
            ++i;
        }
        const qsizetype start = i;
        while (i < size && !isSeparator(text[i])) {
            ++i;
        }
        if (i == start) {
            break;
        }
        ++place;
        const QStringView word = text.mid(start, i - start);
        const int number = numberOf(word);
        if (number >= 0) {
            reading.numbers.append(number);
        } else {
            if (reading.mistakes.size() < MistakesKept) {
                reading.mistakes.append({word.toString(), place});
            }
            ++reading.mistakeCount;
        }
    }
    if (order == Order::NewestFirst) {
        std::reverse(reading.numbers.begin(), reading.numbers.end());
    }
    return reading;
}

} // namespace NumberList
