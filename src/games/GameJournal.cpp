// SPDX-License-Identifier: GPL-3.0-or-later
// The game being played, written into its journal as it goes.
#include "games/GameJournal.h"

#include "games/LocalClock.h"
#include "roulette/Roulette.h"

#include <cerrno>

namespace {

// A journal of ours that holds nothing but taken-back numbers.
bool isEmptyJournal(const QString& path)
{
    const JournalReading reading = readJournal(path);
    return reading.status == JournalReading::Status::Read && reading.game.draws.isEmpty()
        && reading.linesLeftOut == 0;
}

} // namespace

GameJournal::GameJournal(const QString& root)
    : m_currentFolder(GameFiles::currentFolder(root))
    , m_previousFolder(GameFiles::previousFolder(root))
    , m_clock([clock = std::make_shared<LocalClock>()] { return clock->now(); })
{ }

GameJournal::~GameJournal()
{
    m_writer.close();
}

void GameJournal::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

QDateTime GameJournal::now() const
{
    return m_clock();
}

QByteArray GameJournal::tableLine() const
{
    return m_sitting.isEmpty() ? QByteArray() : Journal::tableLine(now(), m_sitting, m_tableName);
}

void GameJournal::setTable(const QString& sitting, const QString& name)
{
    if (sitting == m_sitting && name == m_tableName) {
        return;
    }
    m_sitting = sitting;
    m_tableName = name;
    m_game.sitting = sitting;
    m_game.tableName = name;
    write(tableLine());
}

void GameJournal::recordNumber(int number)
{
    recordNumbers({number});
}

void GameJournal::recordNumbers(const QVector<int>& numbers)
{
    const QDateTime when = now();
    QVector<int> kept;
    kept.reserve(numbers.size());
    for (const int number : numbers) {
        if (Roulette::isValidNumber(number)) {
            m_game.draws.append({number, when});
            kept.append(number);
        }
    }
    if (kept.isEmpty()) {
        return;
    }
    const QByteArray lines = Journal::numberLines(when, kept);
    if (!m_game.started.isValid()) {
        m_game.started = when;
    }
    m_game.endedNormally = false;
    if (m_path.isEmpty()) {
        if (!m_failure) {
            startFile(tableLine() + lines);
        }
        return;
    }
    write(lines);
}

bool GameJournal::recordUndo()
{
    if (m_game.draws.isEmpty()) {
        return false;
    }
    m_game.draws.removeLast();
    write(Journal::undoLine(now()));
    return true;
}

void GameJournal::write(const QByteArray& lines)
{
    if (m_failure || m_path.isEmpty()) {
        return;
    }
    if (!m_writer.append(lines)) {
        stopSaving(m_writer.error(), GameFiles::folderOf(m_path));
    }
}

bool GameJournal::startFile(const QByteArray& firstEvents)
{
    const QString folder = m_currentFolder;
    if (const int error = DiskFolder::make(folder)) {
        stopSaving(error, folder);
        return false;
    }
    const QString base
        = QStringLiteral("partie-") + m_game.started.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int attempt = 1; attempt <= GameFiles::NameAttempts; ++attempt) {
        GameFiles::Held held = GameFiles::claim(GameFiles::gamePath(folder, base, attempt));
        if (!held.lock) {
            if (held.heldElsewhere) {
                continue;
            }
            stopSaving(held.error, folder);
            return false;
        }
        // The header on its own: an import's first events are too many megabytes to copy.
        if (m_writer.create(held.path, Journal::headerLine())) {
            m_path = held.path;
            m_lock = std::move(held.lock);
            write(firstEvents);
            return true;
        }
        if (m_writer.error() != EEXIST) {
            stopSaving(m_writer.error(), folder);
            return false;
        }
    }
    stopSaving(EEXIST, folder);
    return false;
}

void GameJournal::stopSaving(int errorNumber, const QString& folder)
{
    if (m_failure) {
        return;
    }
    m_failure = DiskFolder::failureOf(errorNumber, folder);
}

bool GameJournal::isSaving() const
{
    return !m_failure && m_writer.error() == 0;
}

std::optional<DiskFailure> GameJournal::takeSaveFailure()
{
    if (!m_failure && m_writer.error() != 0) {
        // Found by the thread that waits for the disk.
        stopSaving(m_writer.error(), GameFiles::folderOf(m_path));
    }
    if (!m_failure || m_failureTaken) {
        return std::nullopt;
    }
    m_failureTaken = true;
    return m_failure;
}

void GameJournal::endGame()
{
    if (!m_path.isEmpty()) {
        write(Journal::endLine(now()));
        m_writer.close();
        GameFiles::Held held{m_path, std::move(m_lock)};
        if (m_game.draws.isEmpty() && isEmptyJournal(m_path)) {
            // Every number was taken back: a game with no number leaves no file.
            DiskFolder::remove(m_path);
        } else {
            GameFiles::moveInto(held, m_previousFolder);
        }
    }
    m_game = GameRecord();
    m_game.sitting = m_sitting;
    m_game.tableName = m_tableName;
    m_path.clear();
    m_lock.reset();
    m_failure.reset();
    m_failureTaken = false;
}

void GameJournal::takeUp(const GameRecord& game, GameFiles::Held file)
{
    m_game = game;
    m_game.endedNormally = false;
    m_path = file.path;
    m_lock = std::move(file.lock);
    if (m_writer.reopen(m_path)) {
        write(Journal::resumeLine(now()));
        // Taken up at a named table, the game is this run's now.
        if (!m_sitting.isEmpty()) {
            m_game.sitting = m_sitting;
            m_game.tableName = m_tableName;
            write(tableLine());
        }
    } else {
        stopSaving(m_writer.error(), GameFiles::folderOf(m_path));
    }
}
