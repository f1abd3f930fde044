// SPDX-License-Identifier: GPL-3.0-or-later
// The previous games, the interrupted one, and a game taken up again.
#include "games/GameArchive.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <climits>

namespace {

using Status = GameArchive::Outcome::Status;

GameSummary summaryOf(const QString& path, const JournalReading& reading)
{
    GameSummary summary;
    summary.path = path;
    if (reading.status == JournalReading::Status::NewerVersion) {
        summary.newerVersion = true;
        summary.started = QFileInfo(path).lastModified();
        return summary;
    }
    const GameRecord& game = reading.game;
    summary.started = game.started.isValid() ? game.started : QFileInfo(path).lastModified();
    summary.drawCount = static_cast<int>(qMin<qint64>(game.draws.size() + reading.drawsBeyond, INT_MAX));
    summary.endedNormally = game.endedNormally;
    summary.tableName = game.tableName;
    summary.sitting = game.sitting;
    const qsizetype first = qMax<qsizetype>(0, game.draws.size() - GameArchive::LastNumbersKept);
    for (qsizetype i = first; i < game.draws.size(); ++i) {
        summary.lastNumbers.append(game.draws[i].number);
    }
    return summary;
}

void newestFirst(QVector<GameSummary>& games)
{
    std::sort(games.begin(), games.end(), [](const GameSummary& a, const GameSummary& b) {
        return a.started != b.started ? a.started > b.started : a.path > b.path;
    });
}

GameArchive::Outcome refused(Status status)
{
    GameArchive::Outcome outcome;
    outcome.status = status;
    return outcome;
}

GameArchive::Outcome diskRefused(int errorNumber, const QString& path)
{
    GameArchive::Outcome outcome = refused(Status::DiskRefused);
    outcome.failure = DiskFolder::failureOf(errorNumber, GameFiles::folderOf(path));
    return outcome;
}

} // namespace

GameArchive::GameArchive(const QString& root, GameJournal& journal)
    : m_currentFolder(GameFiles::currentFolder(root))
    , m_previousFolder(GameFiles::previousFolder(root))
    , m_journal(journal)
{ }

bool GameArchive::isPlayed(const QString& path) const
{
    return path == m_journal.path() || m_claims.count(path) > 0;
}

GameFiles::Held GameArchive::takeClaim(const QString& path)
{
    const auto found = m_claims.find(path);
    if (found == m_claims.end()) {
        return GameFiles::claim(path);
    }
    GameFiles::Held held{path, std::move(found->second)};
    m_claims.erase(found);
    return held;
}

QVector<GameSummary> GameArchive::previousGames() const
{
    QVector<GameSummary> games;
    for (const QString& folder : {m_previousFolder, m_currentFolder}) {
        for (const QString& path : GameFiles::gamesIn(folder)) {
            if (isPlayed(path) || GameFiles::claim(path).heldElsewhere) {
                continue; // this program's, or another running program's
            }
            const JournalReading reading = readJournal(path);
            if (reading.status == JournalReading::Status::Read
                || reading.status == JournalReading::Status::NewerVersion) {
                games.append(summaryOf(path, reading));
            }
        }
    }
    newestFirst(games);
    return games;
}

QVector<GameSummary> GameArchive::claimInterrupted()
{
    QVector<GameSummary> found;
    for (const QString& path : GameFiles::gamesIn(m_currentFolder)) {
        if (isPlayed(path)) {
            continue;
        }
        GameFiles::Held held = GameFiles::claim(path);
        if (!held.lock) {
            continue; // its program is running
        }
        const JournalReading reading = readJournal(path);
        if (reading.status != JournalReading::Status::Read) {
            continue; // not ours to touch
        }
        const GameRecord& game = reading.game;
        if (game.endedNormally) {
            GameFiles::moveInto(held, m_previousFolder); // ended, but its program died before moving it
        } else if (game.draws.isEmpty() && reading.linesLeftOut <= 1) {
            // Nothing to resume: every number taken back, or killed while its first line
            // was written.
            DiskFolder::remove(path);
        } else if (game.draws.isEmpty()) {
            GameFiles::moveInto(held, m_previousFolder);
        } else {
            found.append(summaryOf(path, reading));
            m_claims[path] = std::move(held.lock);
        }
    }
    newestFirst(found);
    return found;
}

std::optional<GameSummary> GameArchive::findInterrupted()
{
    const QVector<GameSummary> found = findInterruptedTables();
    if (found.isEmpty()) {
        return std::nullopt;
    }
    for (qsizetype i = 1; i < found.size(); ++i) {
        m_claims.erase(found[i].path);
    }
    return found.first();
}

QVector<GameSummary> GameArchive::findInterruptedTables()
{
    QVector<GameSummary> found = claimInterrupted();
    // Only the newest is asked about, with the other tables of its run; the rest stay
    // interrupted for the next start.
    QVector<GameSummary> asked;
    for (const GameSummary& game : std::as_const(found)) {
        if (asked.isEmpty() || (!game.sitting.isEmpty() && game.sitting == asked.first().sitting)) {
            asked.append(game);
        } else {
            m_claims.erase(game.path);
        }
    }
    return asked;
}

GameArchive::Outcome GameArchive::resume(const GameSummary& game)
{
    return resume(game, m_journal);
}

GameArchive::Outcome GameArchive::resume(const GameSummary& game, GameJournal& journal)
{
    if (game.newerVersion) {
        return refused(Status::WrittenByNewerVersion);
    }
    if (game.path == journal.path()) {
        return {};
    }
    journal.endGame();

    GameFiles::Held held = takeClaim(game.path);
    if (!held.lock) {
        return held.heldElsewhere          ? refused(Status::HeldElsewhere)
            : QFileInfo::exists(game.path) ? diskRefused(held.error, game.path)
                                           : refused(Status::Gone);
    }
    const JournalReading reading = readJournal(game.path);
    switch (reading.status) {
    case JournalReading::Status::Read:
        break;
    case JournalReading::Status::NewerVersion:
        return refused(Status::WrittenByNewerVersion);
    case JournalReading::Status::CannotOpen:
        return refused(QFileInfo::exists(game.path) ? Status::Unreadable : Status::Gone);
    case JournalReading::Status::NotAJournal:
        return refused(Status::Unreadable);
    }
    if (!reading.isWhole()) {
        // Played on, its undos would take back numbers that were never read: it stays as
        // it is, among the previous games rather than asked about at every start, and the
        // player is told how much lies beyond.
        GameFiles::moveInto(held, m_previousFolder);
        Outcome tooLarge = refused(Status::TooLarge);
        tooLarge.drawsBeyond = reading.drawsBeyond;
        return tooLarge;
    }

    // Played again, it is the current game: should this program die, the next start offers
    // it. If it cannot move, it is written where it stands.
    GameFiles::moveInto(held, m_currentFolder);
    journal.takeUp(reading.game, std::move(held));
    Outcome resumed;
    resumed.linesLeftOut = reading.linesLeftOut;
    return resumed;
}

bool GameArchive::setAside(const GameSummary& game)
{
    if (game.newerVersion || game.path == m_journal.path()) {
        return false;
    }
    GameFiles::Held held = takeClaim(game.path);
    return held.lock && GameFiles::moveInto(held, m_previousFolder);
}

GameArchive::Outcome GameArchive::remove(const GameSummary& game)
{
    if (game.newerVersion) {
        return refused(Status::WrittenByNewerVersion);
    }
    if (game.path == m_journal.path()) {
        return refused(Status::HeldElsewhere);
    }
    const GameFiles::Held held = takeClaim(game.path);
    if (!held.lock) {
        return held.heldElsewhere ? refused(Status::HeldElsewhere) : diskRefused(held.error, game.path);
    }
    if (readJournal(game.path).status == JournalReading::Status::NewerVersion) {
        return refused(Status::WrittenByNewerVersion);
    }
    if (const int error = DiskFolder::remove(game.path)) {
        return error == ENOENT ? refused(Status::Gone) : diskRefused(error, game.path);
    }
    return {};
}

JournalReading GameArchive::read(const GameSummary& game) const
{
    return readJournal(game.path);
}
