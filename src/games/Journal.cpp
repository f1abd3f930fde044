// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/Journal.h"

#include "roulette/Roulette.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

namespace Journal {

namespace {

constexpr char Header[] = "Tambrel partie ";
constexpr char NumberWord[] = "num\xC3\xA9ro "; // "numéro " in UTF-8
constexpr char UndoWord[] = "annulation";
constexpr char ResumeWord[] = "reprise";
constexpr char EndWord[] = "fin de partie";
constexpr char TableWord[] = "table ";
constexpr qsizetype SittingDigits = 8;
constexpr char Bom[] = "\xEF\xBB\xBF";

template<std::size_t N>
constexpr qsizetype lengthOf(const char (&)[N])
{
    return static_cast<qsizetype>(N - 1);
}

// "2026-12-06 20:15:03 ": the stamp every event line starts with.
constexpr qsizetype StampBytes = 20;

QByteArray eventLine(const QDateTime& when, const char* event)
{
    const QDate date = when.date();
    const QTime time = when.time();
    char line[64];
    const int length = std::snprintf(line, sizeof line, "%04d-%02d-%02d %02d:%02d:%02d %s\n", date.year(),
        date.month(), date.day(), time.hour(), time.minute(), time.second(), event);
    return QByteArray(line, length);
}

} // namespace

QByteArray headerLine()
{
    return QByteArray(Header) + QByteArray::number(FormatVersion) + '\n';
}

QByteArray numberLine(const QDateTime& when, int number)
{
    return numberLines(when, {number});
}

QByteArray numberLines(const QDateTime& when, const QVector<int>& numbers)
{
    // One stamp for them all, written once: a list or an import of millions is written at once.
    const QByteArray stamp = eventLine(when, NumberWord).chopped(1);
    QByteArray lines(numbers.size() * (stamp.size() + 3), Qt::Uninitialized);
    char* end = lines.data();
    for (const int number : numbers) {
        std::memcpy(end, stamp.constData(), static_cast<std::size_t>(stamp.size()));
        end += stamp.size();
        if (number >= 10) {
            *end++ = static_cast<char>('0' + number / 10);
        }
        *end++ = static_cast<char>('0' + number % 10);
        *end++ = '\n';
    }
    lines.truncate(end - lines.constData());
    return lines;
}

QByteArray undoLine(const QDateTime& when)
{
    return eventLine(when, UndoWord);
}

QByteArray resumeLine(const QDateTime& when)
{
    return eventLine(when, ResumeWord);
}

QByteArray endLine(const QDateTime& when)
{
    return eventLine(when, EndWord);
}

QByteArray tableLine(const QDateTime& when, const QString& sitting, const QString& name)
{
    QByteArray event = QByteArray(TableWord) + sitting.toLatin1().left(SittingDigits) + ' ';
    // A whole name within the longest line a reader takes, never cut inside a character.
    QString kept = name.simplified();
    while (StampBytes + event.size() + kept.toUtf8().size() + 1 > MaxLineBytes) {
        kept.chop(1);
    }
    const QByteArray line = eventLine(when, "");
    return line.left(StampBytes) + event + kept.toUtf8() + '\n';
}

namespace {

// The value of `count` decimal digits, or -1 when one of them is not a digit.
int digitsAt(const char* text, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

bool equals(const char* text, qsizetype length, const char* word, qsizetype wordLength)
{
    return length == wordLength && std::memcmp(text, word, static_cast<std::size_t>(length)) == 0;
}

// Reads a journal line by line, as its bytes arrive.
class LineReader
{
public:
    JournalReading reading;

    // One line without its '\n'; `terminated` is false for a last line cut short.
    void line(const char* text, qsizetype length, bool terminated)
    {
        if (length > 0 && text[length - 1] == '\r') {
            --length; // written on another system
        }
        if (!m_headerSeen) {
            header(text, length, terminated);
            return;
        }
        if (!terminated || !event(text, length)) {
            ++reading.linesLeftOut;
        }
    }

    // A line longer than any of ours, left out unread.
    void tooLong()
    {
        if (!m_headerSeen) {
            m_headerSeen = true;
            reading.status = JournalReading::Status::NotAJournal;
            return;
        }
        ++reading.linesLeftOut;
    }

    // Once its first line says the file is not one to read, nothing more is looked at.
    bool stopped() const { return m_headerSeen && reading.status != JournalReading::Status::Read; }

    void finish()
    {
        if (!m_headerSeen) {
            // Created and never written: a game with nothing in it.
            reading.status = JournalReading::Status::Read;
            reading.version = FormatVersion;
        }
    }

private:
    void header(const char* text, qsizetype length, bool terminated)
    {
        m_headerSeen = true;
        if (length >= lengthOf(Bom) && std::memcmp(text, Bom, 3) == 0) {
            text += 3;
            length -= 3;
        }
        const qsizetype digits = length - lengthOf(Header);
        if (!terminated) {
            // Cut while its very first line was written: ours if it begins like ours.
            const QByteArray ours = headerLine();
            if (length < ours.size()
                && std::memcmp(text, ours.constData(), static_cast<std::size_t>(length)) == 0) {
                reading.status = JournalReading::Status::Read;
                reading.version = FormatVersion;
                reading.linesLeftOut = 1;
                return;
            }
            reading.status = JournalReading::Status::NotAJournal;
            return;
        }
        if (digits < 1 || digits > 9 || std::memcmp(text, Header, lengthOf(Header)) != 0) {
            reading.status = JournalReading::Status::NotAJournal;
            return;
        }
        const int version = digitsAt(text + lengthOf(Header), static_cast<int>(digits));
        if (version < 1) {
            reading.status = JournalReading::Status::NotAJournal;
            return;
        }
        reading.version = version;
        reading.status
            = version > FormatVersion ? JournalReading::Status::NewerVersion : JournalReading::Status::Read;
    }

    bool event(const char* text, qsizetype length)
    {
        if (length <= StampBytes || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':'
            || text[16] != ':' || text[19] != ' ') {
            return false;
        }
        const QDate date(digitsAt(text, 4), digitsAt(text + 5, 2), digitsAt(text + 8, 2));
        const int hour = digitsAt(text + 11, 2);
        const int minute = digitsAt(text + 14, 2);
        const int second = digitsAt(text + 17, 2);
        if (!date.isValid() || !QTime::isValid(hour, minute, second)) {
            return false;
        }
        const char* word = text + StampBytes;
        const qsizetype wordLength = length - StampBytes;
        GameRecord& game = reading.game;

        if (wordLength > lengthOf(NumberWord) && wordLength <= lengthOf(NumberWord) + 2
            && std::memcmp(word, NumberWord, lengthOf(NumberWord)) == 0) {
            const qsizetype digits = wordLength - lengthOf(NumberWord);
            const int number = digitsAt(word + lengthOf(NumberWord), static_cast<int>(digits));
            if (!Roulette::isValidNumber(number)) {
                return false;
            }
            if (game.draws.size() < GameRecord::MaxDraws) {
                game.draws.append({number, stamp(text, date, hour, minute, second)});
            } else {
                ++reading.drawsBeyond;
            }
            game.endedNormally = false;
        } else if (equals(word, wordLength, UndoWord, lengthOf(UndoWord))) {
            if (reading.drawsBeyond > 0) {
                --reading.drawsBeyond;
            } else if (game.draws.isEmpty()) {
                return false;
            } else {
                game.draws.removeLast();
            }
            game.endedNormally = false;
        } else if (equals(word, wordLength, ResumeWord, lengthOf(ResumeWord))) {
            game.endedNormally = false;
        } else if (equals(word, wordLength, EndWord, lengthOf(EndWord))) {
            game.endedNormally = true;
        } else if (wordLength > lengthOf(TableWord) + SittingDigits + 1
            && std::memcmp(word, TableWord, lengthOf(TableWord)) == 0
            && word[lengthOf(TableWord) + SittingDigits] == ' ') {
            const char* sitting = word + lengthOf(TableWord);
            game.sitting = QString::fromLatin1(sitting, SittingDigits);
            game.tableName = QString::fromUtf8(
                sitting + SittingDigits + 1, wordLength - lengthOf(TableWord) - SittingDigits - 1);
        } else {
            return false;
        }
        if (!game.started.isValid()) {
            game.started = localTime(date, hour, minute, second);
        }
        return true;
    }

    // The numbers of a list or an import share one stamp: they share one date and time too,
    // which keeps the largest game small in memory.
    QDateTime stamp(const char* text, const QDate& date, int hour, int minute, int second)
    {
        if (std::memcmp(text, m_lastStamp, sizeof m_lastStamp) != 0) {
            std::memcpy(m_lastStamp, text, sizeof m_lastStamp);
            m_lastTime = localTime(date, hour, minute, second);
        }
        return m_lastTime;
    }

    // Turning a local time into an instant costs the time zone rules a look-up; the offset
    // only changes on the hour, so it is looked up once per hour the journal spans.
    QDateTime localTime(const QDate& date, int hour, int minute, int second)
    {
        const qint64 hourKey = date.toJulianDay() * 24 + hour;
        if (hourKey != m_offsetHour) {
            m_offsetHour = hourKey;
            m_offset = QDateTime(date, QTime(hour, 0)).offsetFromUtc();
        }
        return QDateTime(date, QTime(hour, minute, second), Qt::OffsetFromUTC, m_offset);
    }

    bool m_headerSeen = false;
    char m_lastStamp[StampBytes] = {};
    QDateTime m_lastTime;
    qint64 m_offsetHour = -1;
    int m_offset = 0;
};

} // namespace

} // namespace Journal

JournalReading readJournal(const QString& path)
{
    Journal::LineReader reader;
    // A pipe or a device would never end or never answer: only plain files are read.
    if (!QFileInfo(path).isFile()) {
        return reader.reading;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return reader.reading;
    }

    constexpr qint64 ChunkBytes = 64 * 1024;
    QByteArray buffer; // the unfinished line carried over, then the next chunk
    qint64 total = 0;
    bool skipping = false; // inside a line already found too long
    while (total < Journal::MaxFileBytes && !reader.stopped()) {
        const qsizetype carried = buffer.size();
        const qint64 wanted = qMin(ChunkBytes, Journal::MaxFileBytes - total);
        buffer.resize(carried + wanted);
        const qint64 got = file.read(buffer.data() + carried, wanted);
        buffer.resize(carried + qMax<qint64>(got, 0));
        if (got <= 0) {
            break;
        }
        total += got;

        const char* data = buffer.constData();
        const qsizetype size = buffer.size();
        qsizetype start = 0;
        while (start < size && !reader.stopped()) {
            const void* found = std::memchr(data + start, '\n', static_cast<std::size_t>(size - start));
            if (!found) {
                break;
            }
            const qsizetype end = static_cast<const char*>(found) - data;
            if (skipping) {
                skipping = false; // the end of a line counted when it was found too long
            } else if (end - start > Journal::MaxLineBytes) {
                reader.tooLong();
            } else {
                reader.line(data + start, end - start, true);
            }
            start = end + 1;
        }
        buffer.remove(0, start);
        if (!skipping && buffer.size() > Journal::MaxLineBytes) {
            reader.tooLong();
            skipping = true;
        }
        if (skipping) {
            buffer.clear();
        }
    }

    if (!reader.stopped()) {
        if (total >= Journal::MaxFileBytes && !file.atEnd()) {
            reader.reading.tooLarge = true;
        }
        if (!buffer.isEmpty()) {
            reader.line(buffer.constData(), buffer.size(), false);
        }
        reader.finish();
    }
    return reader.reading;
}
