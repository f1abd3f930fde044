// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/GameLibrary.h"

#include "games/DiskFolder.h"
#include "games/GamesTexts.h"
#include "games/LocalClock.h"
#include "roulette/Roulette.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

namespace {

const QString CurrentSubfolder = QStringLiteral("en-cours");
const QString PreviousSubfolder = QStringLiteral("parties");
const QString Extension = QStringLiteral(".txt");
const QString LockSuffix = QStringLiteral(".lock");

// A game file no program could have created this many times in one second.
constexpr int NameAttempts = 100;

QString nameWithAttempt(const QString& base, int attempt)
{
    return attempt == 1 ? base + Extension : base + QStringLiteral("-%1").arg(attempt) + Extension;
}

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
    summary.drawCount = static_cast<int>(game.draws.size());
    summary.endedNormally = game.endedNormally;
    const qsizetype first = qMax<qsizetype>(0, game.draws.size() - GameLibrary::LastNumbersKept);
    for (qsizetype i = first; i < game.draws.size(); ++i) {
        summary.lastNumbers.append(game.draws[i].number);
    }
    return summary;
}

// A journal of ours that holds nothing but taken-back numbers.
bool isEmptyJournal(const QString& path)
{
    const JournalReading reading = readJournal(path);
    return reading.status == JournalReading::Status::Read && reading.game.draws.isEmpty()
        && reading.linesLeftOut == 0;
}

void newestFirst(QVector<GameSummary>& games)
{
    std::sort(games.begin(), games.end(), [](const GameSummary& a, const GameSummary& b) {
        return a.started != b.started ? a.started > b.started : a.path > b.path;
    });
}

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath();
}

} // namespace

GameLibrary::GameLibrary(const QString& folder)
    : m_folder(QDir::cleanPath(QDir(folder).absolutePath()))
    , m_clock([clock = std::make_shared<LocalClock>()] { return clock->now(); })
{ }

GameLibrary::~GameLibrary()
{
    m_writer.close();
}

QString GameLibrary::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString GameLibrary::currentFolder() const
{
    return m_folder + QLatin1Char('/') + CurrentSubfolder;
}

QString GameLibrary::previousFolder() const
{
    return m_folder + QLatin1Char('/') + PreviousSubfolder;
}

void GameLibrary::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

QDateTime GameLibrary::now() const
{
    return m_clock();
}

// --- The game being played ---------------------------------------------------------------

void GameLibrary::recordNumber(int number)
{
    recordNumbers({number});
}

void GameLibrary::recordNumbers(const QVector<int>& numbers)
{
    const QDateTime when = now();
    QByteArray lines;
    for (const int number : numbers) {
        if (!Roulette::isValidNumber(number)) {
            continue;
        }
        m_game.draws.append({number, when});
        lines += Journal::numberLine(when, number);
    }
    if (lines.isEmpty()) {
        return;
    }
    if (!m_game.started.isValid()) {
        m_game.started = when;
    }
    m_game.endedNormally = false;
    if (m_path.isEmpty()) {
        if (m_saving) {
            startFile(lines);
        }
        return;
    }
    write(lines);
}

bool GameLibrary::recordUndo()
{
    if (m_game.draws.isEmpty()) {
        return false;
    }
    m_game.draws.removeLast();
    write(Journal::undoLine(now()));
    return true;
}

void GameLibrary::write(const QByteArray& lines)
{
    if (!m_saving || m_path.isEmpty()) {
        return;
    }
    if (!m_writer.append(lines)) {
        stopSaving(m_writer.error(), folderOf(m_path));
    }
}

bool GameLibrary::startFile(const QByteArray& firstEvents)
{
    const QString folder = currentFolder();
    if (const int error = DiskFolder::make(folder)) {
        stopSaving(error, folder);
        return false;
    }
    const QString base
        = QStringLiteral("partie-") + m_game.started.toString(QStringLiteral("yyyy-MM-dd-HHmmss"));
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const QString path = folder + QLatin1Char('/') + nameWithAttempt(base, attempt);
        Held held = claim(path);
        if (!held.lock) {
            if (held.heldElsewhere) {
                continue;
            }
            stopSaving(held.error, folder);
            return false;
        }
        if (m_writer.create(path, Journal::headerLine() + firstEvents)) {
            m_path = path;
            m_lock = std::move(held.lock);
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

void GameLibrary::stopSaving(int errorNumber, const QString& folder)
{
    if (!m_saving) {
        return;
    }
    m_saving = false;
    m_problem = errorNumber;
    m_problemFolder = folder;
    m_problemTold = false;
}

bool GameLibrary::isSaving() const
{
    return m_saving && m_writer.error() == 0;
}

QString GameLibrary::takeSaveProblem()
{
    if (m_saving && m_writer.error() != 0) {
        // Found by the thread that waits for the disk.
        stopSaving(m_writer.error(), folderOf(m_path));
    }
    if (m_saving || m_problemTold) {
        return {};
    }
    m_problemTold = true;
    return GamesTexts::NotSaved.arg(DiskFolder::failureReason(m_problem, m_problemFolder));
}

void GameLibrary::endCurrentGame()
{
    if (!m_path.isEmpty()) {
        write(Journal::endLine(now()));
        m_writer.close();
        Held held{m_path, std::move(m_lock)};
        if (m_game.draws.isEmpty() && isEmptyJournal(m_path)) {
            // Every number was taken back: a game with no number leaves no file.
            DiskFolder::remove(m_path);
        } else {
            moveInto(held, previousFolder());
        }
    }
    m_game = GameRecord();
    m_path.clear();
    m_lock.reset();
    m_saving = true;
    m_problem = 0;
    m_problemFolder.clear();
    m_problemTold = false;
}

// --- Locks and moves ---------------------------------------------------------------------

GameLibrary::Held GameLibrary::claim(const QString& path) const
{
    Held held;
    held.path = path;
    auto lock = std::make_unique<QLockFile>(path + LockSuffix);
    // Held for a whole evening: only a dead owner makes a lock stale, never its age.
    lock->setStaleLockTime(0);
    errno = 0;
    if (lock->tryLock(0)) {
        held.lock = std::move(lock);
        return held;
    }
    const int error = errno;
    held.heldElsewhere = lock->error() == QLockFile::LockFailedError;
    held.error = lock->error() == QLockFile::PermissionError ? EACCES : error != 0 ? error : EIO;
    return held;
}

GameLibrary::Held GameLibrary::takeClaim(const QString& path)
{
    const auto found = m_claims.find(path);
    if (found == m_claims.end()) {
        return claim(path);
    }
    Held held;
    held.path = path;
    held.lock = std::move(found->second);
    m_claims.erase(found);
    return held;
}

bool GameLibrary::moveInto(Held& game, const QString& folder) const
{
    if (folderOf(game.path) == folder) {
        return true;
    }
    if (DiskFolder::make(folder) != 0) {
        return false;
    }
    const QString from = folderOf(game.path);
    QString base = QFileInfo(game.path).fileName();
    base.chop(Extension.size());
    for (int attempt = 1; attempt <= NameAttempts; ++attempt) {
        const QString target = folder + QLatin1Char('/') + nameWithAttempt(base, attempt);
        Held moved = claim(target);
        if (!moved.lock) {
            continue;
        }
        // Never over another game: the rename fails when the name is taken.
        if (QFile::rename(game.path, target)) {
            DiskFolder::sync(folder);
            DiskFolder::sync(from);
            game = std::move(moved);
            return true;
        }
        if (!QFileInfo::exists(game.path)) {
            return false;
        }
    }
    return false;
}

QVector<QString> GameLibrary::gameFiles(const QString& folder) const
{
    QVector<QString> paths;
    const QDir dir(folder);
    const QStringList names
        = dir.entryList({QStringLiteral("*") + Extension}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString& name : names) {
        paths.append(folder + QLatin1Char('/') + name);
    }
    return paths;
}

// --- Previous games ------------------------------------------------------------------------

QVector<GameSummary> GameLibrary::previousGames() const
{
    QVector<GameSummary> games;
    for (const QString& folder : {previousFolder(), currentFolder()}) {
        for (const QString& path : gameFiles(folder)) {
            if (path == m_path || m_claims.count(path) > 0) {
                continue;
            }
            const Held probe = claim(path);
            if (probe.heldElsewhere) {
                continue; // another running program's game
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

std::optional<GameSummary> GameLibrary::findInterrupted()
{
    QVector<GameSummary> found;
    for (const QString& path : gameFiles(currentFolder())) {
        if (path == m_path || m_claims.count(path) > 0) {
            continue;
        }
        Held held = claim(path);
        if (!held.lock) {
            continue; // its program is running
        }
        const JournalReading reading = readJournal(path);
        if (reading.status != JournalReading::Status::Read) {
            continue; // not ours to touch
        }
        const GameRecord& game = reading.game;
        if (game.endedNormally) {
            moveInto(held, previousFolder()); // ended, but its program died before moving it
        } else if (game.draws.isEmpty() && reading.linesLeftOut <= 1) {
            // Nothing to resume: every number taken back, or killed while its first line
            // was written.
            DiskFolder::remove(path);
        } else if (game.draws.isEmpty()) {
            moveInto(held, previousFolder());
        } else {
            found.append(summaryOf(path, reading));
            m_claims[path] = std::move(held.lock);
        }
    }
    if (found.isEmpty()) {
        return std::nullopt;
    }
    newestFirst(found);
    // Only the newest is asked about; the others stay interrupted for the next start.
    for (qsizetype i = 1; i < found.size(); ++i) {
        m_claims.erase(found[i].path);
    }
    return found.first();
}

Resumption GameLibrary::resume(const GameSummary& game)
{
    Resumption result;
    if (game.newerVersion) {
        result.problem = GamesTexts::NotResumed.arg(GamesTexts::WrittenByNewerVersion);
        return result;
    }
    if (game.path == m_path) {
        result.resumed = true;
        return result;
    }
    endCurrentGame();

    Held held = takeClaim(game.path);
    if (!held.lock) {
        result.problem = GamesTexts::NotResumed.arg(held.heldElsewhere ? GamesTexts::HeldElsewhere
                : QFileInfo::exists(game.path) ? DiskFolder::failureReason(held.error, folderOf(game.path))
                                               : GamesTexts::Gone);
        return result;
    }
    const JournalReading reading = readJournal(game.path);
    switch (reading.status) {
    case JournalReading::Status::Read:
        break;
    case JournalReading::Status::NewerVersion:
        result.problem = GamesTexts::NotResumed.arg(GamesTexts::WrittenByNewerVersion);
        return result;
    case JournalReading::Status::CannotOpen:
        result.problem = GamesTexts::NotResumed.arg(
            QFileInfo::exists(game.path) ? GamesTexts::Unreadable : GamesTexts::Gone);
        return result;
    case JournalReading::Status::NotAJournal:
        result.problem = GamesTexts::NotResumed.arg(GamesTexts::Unreadable);
        return result;
    }

    // Played again, it is the current game: should this program die, the next start offers
    // it. If it cannot move, it is written where it stands.
    moveInto(held, currentFolder());
    m_game = reading.game;
    m_game.endedNormally = false;
    m_path = held.path;
    m_lock = std::move(held.lock);
    if (m_writer.reopen(m_path)) {
        write(Journal::resumeLine(now()));
    } else {
        stopSaving(m_writer.error(), folderOf(m_path));
    }
    result.resumed = true;
    result.notice = GamesTexts::leftOutNotice(reading.linesLeftOut, reading.tooLarge);
    return result;
}

bool GameLibrary::setAside(const GameSummary& game)
{
    if (game.newerVersion || game.path == m_path) {
        return false;
    }
    Held held = takeClaim(game.path);
    return held.lock && moveInto(held, previousFolder());
}

QString GameLibrary::remove(const GameSummary& game)
{
    if (game.newerVersion) {
        return GamesTexts::NotDeleted.arg(GamesTexts::WrittenByNewerVersion);
    }
    if (game.path == m_path) {
        return GamesTexts::NotDeleted.arg(GamesTexts::HeldElsewhere);
    }
    const Held held = takeClaim(game.path);
    if (!held.lock) {
        return GamesTexts::NotDeleted.arg(held.heldElsewhere
                ? GamesTexts::HeldElsewhere
                : DiskFolder::failureReason(held.error, folderOf(game.path)));
    }
    if (readJournal(game.path).status == JournalReading::Status::NewerVersion) {
        return GamesTexts::NotDeleted.arg(GamesTexts::WrittenByNewerVersion);
    }
    if (const int error = DiskFolder::remove(game.path)) {
        return GamesTexts::NotDeleted.arg(
            error == ENOENT ? GamesTexts::Gone : DiskFolder::failureReason(error, folderOf(game.path)));
    }
    return {};
}

JournalReading GameLibrary::read(const GameSummary& game) const
{
    return readJournal(game.path);
}
