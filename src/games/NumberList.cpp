// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/NumberList.h"

#include "games/Journal.h"
#include "roulette/Roulette.h"

#include <algorithm>

namespace NumberList {

namespace {

bool isSeparator(QChar c)
{
    // Any blank (no-break spaces come with text copied from web pages) and the two list marks.
    return c.isSpace() || c == QLatin1Char(',') || c == QLatin1Char(';');
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

} // namespace

int numberOf(QStringView word)
{
    int value = 0;
    int significant = 0;
    for (const QChar c : word) {
        if (!isDigit(c)) {
            return -1;
        }
        value = value * 10 + (c.unicode() - '0');
        if (value > 0 && ++significant > 2) {
            return -1; // at least 100: no need to read further
        }
    }
    return word.isEmpty() || !Roulette::isValidNumber(value) ? -1 : value;
}

QVector<int> inPlayingOrder(QVector<int> numbers, Order order)
{
    if (order == Order::NewestFirst) {
        std::reverse(numbers.begin(), numbers.end());
    }
    return numbers;
}

Reader::Reader(Lines lines)
    : m_lines(lines)
{ }

void Reader::read(QStringView text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size) {
        while (i < size && isSeparator(text[i])) {
            if (text[i] == QLatin1Char('\n')) {
                endLine();
            }
            ++i;
        }
        const qsizetype start = i;
        while (i < size && !isSeparator(text[i])) {
            ++i;
        }
        if (i > start) {
            word(text.mid(start, i - start));
        }
    }
}

void Reader::word(QStringView word)
{
    ++m_place;
    ++m_column;
    const int value = numberOf(word);
    if (value >= 0) {
        number(value);
        return;
    }
    if (!m_lineHasDigit) {
        m_lineHasDigit = std::any_of(word.begin(), word.end(), isDigit);
    }
    addMistake(word, m_column);
}

void Reader::number(int number)
{
    m_lineHasDigit = true;
    if (m_reading.numbers.size() < GameRecord::MaxDraws) {
        m_reading.numbers.append(number);
    }
    ++m_reading.numberCount;
    ++m_lineNumberCount;
}

void Reader::mistake(QStringView word, int column)
{
    m_lineHasDigit = true; // a row of another layout is never a title to leave out
    addMistake(word, column);
}

void Reader::addMistake(QStringView word, int column)
{
    if (m_reading.mistakes.size() < MistakesKept) {
        m_reading.mistakes.append({word.toString(), m_place, m_line, column});
    }
    ++m_reading.mistakeCount;
    ++m_lineMistakeCount;
}

void Reader::endLine()
{
    if (m_lineMistakeCount > 0) {
        if (m_lines == Lines::WithoutDigitLeftOut && !m_lineHasDigit) {
            // A title or a date in words: not a line of numbers at all.
            m_reading.mistakes.resize(std::min(m_reading.mistakes.size(), m_lineMistakesStart));
            m_reading.mistakeCount -= m_lineMistakeCount;
        } else {
            // A line with a mistake is left out whole: its numbers may be as wrong as it.
            ++m_reading.linesWithMistakes;
            m_reading.numbers.resize(std::min(m_reading.numbers.size(), m_lineNumbersStart));
            m_reading.numberCount -= m_lineNumberCount;
        }
    }
    ++m_line;
    m_column = 0;
    m_lineNumbersStart = m_reading.numbers.size();
    m_lineNumberCount = 0;
    m_lineMistakesStart = m_reading.mistakes.size();
    m_lineMistakeCount = 0;
    m_lineHasDigit = false;
}

Reading Reader::finish()
{
    endLine();
    return std::move(m_reading);
}

Reading read(QStringView text, Order order)
{
    Reader reader;
    reader.read(text);
    Reading reading = reader.finish();
    reading.numbers = inPlayingOrder(std::move(reading.numbers), order);
    return reading;
}

} // namespace NumberList
