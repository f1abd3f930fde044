// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/DrawImport.h"

#include "games/Journal.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace DrawImport {

namespace {

// Read a megabyte at a time: a file of any size is read in little memory.
constexpr qint64 ChunkBytes = 1024 * 1024;
// Longer than any word of a list or row of a table: read in two parts if ever met.
constexpr qsizetype LongestWord = 64 * 1024;

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray GameHeader = QByteArrayLiteral("Tambrel partie ");
const QString NumberColumn = QStringLiteral("numéro");

// Text has no control characters but blanks and line ends; pictures, programs and
// spreadsheets' own formats have them from their first bytes.
bool isText(const QByteArray& bytes)
{
    return std::none_of(bytes.begin(), bytes.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\v' && byte != '\f' && byte != '\r';
    });
}

QStringView cleanCell(QStringView cell)
{
    cell = cell.trimmed();
    if (cell.size() >= 2 && cell.startsWith(QLatin1Char('"')) && cell.endsWith(QLatin1Char('"'))) {
        cell = cell.mid(1, cell.size() - 2).trimmed();
    }
    return cell;
}

// A table's header: the separator of its cells and the column of the numbers.
struct TableHeader
{
    QChar separator;
    int column = 0;
};

std::optional<TableHeader> tableHeaderOf(QStringView line)
{
    for (const QChar separator : {QLatin1Char(';'), QLatin1Char(','), QLatin1Char('\t')}) {
        int column = 0;
        for (const QStringView cell : line.split(separator)) {
            if (cleanCell(cell).compare(NumberColumn, Qt::CaseInsensitive) == 0) {
                return TableHeader{separator, column};
            }
            ++column;
        }
    }
    return std::nullopt;
}

// The rows of a table: the number in its column, the other cells (a zero's are empty) unread.
void readRows(QStringView text, const TableHeader& header, NumberList::Reader& reader)
{
    if (text.endsWith(QLatin1Char('\n'))) {
        text.chop(1); // the last row's end, not a row
    }
    if (text.isEmpty()) {
        return;
    }
    for (const QStringView line : text.split(QLatin1Char('\n'))) {
        const QList<QStringView> cells = line.split(header.separator);
        if (!line.trimmed().isEmpty()) {
            const QStringView cell
                = cells.size() > header.column ? cleanCell(cells[header.column]) : QStringView();
            const int number = NumberList::numberOf(cell);
            if (number >= 0) {
                reader.number(number);
            } else {
                reader.mistake(cell, header.column + 1);
            }
        }
        reader.endLine();
    }
}

Reading keptGame(const QString& path)
{
    Reading reading;
    reading.layout = Layout::KeptGame;
    const JournalReading journal = readJournal(path);
    switch (journal.status) {
    case JournalReading::Status::Read:
        break;
    case JournalReading::Status::NewerVersion:
        reading.status = Reading::Status::NewerGame;
        return reading;
    case JournalReading::Status::CannotOpen:
    case JournalReading::Status::NotAJournal:
        reading.status = Reading::Status::CannotOpen;
        return reading;
    }
    NumberList::Reading& list = reading.list;
    list.numbers.reserve(journal.game.draws.size());
    for (const Draw& draw : journal.game.draws) {
        list.numbers.append(draw.number);
    }
    list.numberCount = journal.game.draws.size() + journal.drawsBeyond;
    // What could not be read (the rest of a file that never ends among it) is left out.
    list.linesWithMistakes = journal.linesLeftOut + (journal.tooLarge ? 1 : 0);
    list.mistakeCount = list.linesWithMistakes;
    reading.status
        = list.numberCount == 0 && list.mistakeCount == 0 ? Reading::Status::Empty : Reading::Status::Read;
    return reading;
}

// Where the bytes read so far can be cut without cutting a word (or, in a table, a row), or
// -1. Every such byte is ASCII: a cut never falls inside a character.
qsizetype lastCut(const QByteArray& bytes, bool wholeLines)
{
    for (qsizetype i = bytes.size() - 1; i >= 0; --i) {
        const char c = bytes[i];
        if (c == '\n' || (!wholeLines && (c == ' ' || c == ',' || c == ';' || c == '\t' || c == '\r'))) {
            return i + 1;
        }
    }
    return -1;
}

} // namespace

Reading read(const QString& path, const Progress& progress)
{
    Reading reading;
    // A pipe or a device would never end: only plain files are read.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return reading;
    }
    const qint64 total = file.size();
    NumberList::Reader reader(NumberList::Reader::Lines::WithoutDigitLeftOut);
    std::optional<TableHeader> table;
    bool layoutKnown = false;
    QByteArray bytes; // what is not read yet: the end of a word or a row, then the next part
    qint64 done = 0;
    for (bool atEnd = false; !atEnd;) {
        const QByteArray chunk = file.read(ChunkBytes);
        if (chunk.isEmpty() && file.error() != QFileDevice::NoError) {
            reading.status = Reading::Status::CannotOpen;
            return reading;
        }
        atEnd = chunk.isEmpty();
        if (!isText(chunk)) {
            reading.status = Reading::Status::NotText;
            return reading;
        }
        if (done == 0 && chunk.startsWith(Bom)) {
            bytes += chunk.mid(Bom.size());
        } else {
            bytes += chunk;
        }
        done += chunk.size();
        if (done == chunk.size() && !atEnd && bytes.startsWith(GameHeader)) {
            return keptGame(path);
        }

        // The layout is known from the first line that holds anything.
        qsizetype cut = atEnd ? bytes.size() : lastCut(bytes, !layoutKnown || table.has_value());
        if (cut < 0) {
            if (bytes.size() <= LongestWord) {
                continue;
            }
            cut = bytes.size(); // no list's word, nor any table's row, is that long
        }
        const QString text = QString::fromUtf8(bytes.constData(), cut);
        bytes.remove(0, cut);
        QStringView rows = text;
        if (!layoutKnown) {
            const qsizetype start = text.indexOf(QRegularExpression(QStringLiteral("\\S")));
            if (start >= 0) {
                layoutKnown = true;
                const qsizetype lineStart = text.lastIndexOf(QLatin1Char('\n'), start) + 1;
                const qsizetype end = text.indexOf(QLatin1Char('\n'), start);
                table = tableHeaderOf(QStringView(text).mid(lineStart, end < 0 ? -1 : end - lineStart));
                if (table) {
                    // The header and the blank lines above it are read: the rows start below.
                    for (qsizetype line = 0; line <= text.left(lineStart).count(QLatin1Char('\n')); ++line) {
                        reader.endLine();
                    }
                    rows = end < 0 ? QStringView() : QStringView(text).mid(end + 1);
                }
            }
        }
        if (table) {
            readRows(rows, *table, reader);
        } else {
            reader.read(rows);
        }
        if (progress && !progress(done, total)) {
            reading.status = Reading::Status::Stopped;
            return reading;
        }
    }
    reading.list = reader.finish();
    reading.layout = table ? Layout::ExportedTable : Layout::Numbers;
    const bool empty = reading.list.numberCount == 0 && reading.list.mistakeCount == 0;
    reading.status = empty ? Reading::Status::Empty : Reading::Status::Read;
    return reading;
}

} // namespace DrawImport
