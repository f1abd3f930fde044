// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of a game: the time an entry spends writing its event, and the time to read a
// journal of 100,000 draws back. Entries are spaced as the windows space them (an entry takes
// them about 840 us), so the disk has had its time; the figure back to back, where each event
// first waits for the one before to reach the disk, is printed beside it.
#include "Measure.h"
#include "games/GameLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

namespace {

struct EventTimes
{
    std::vector<double> wall; // microseconds, waiting for the disk included
    std::vector<double> cpu; // microseconds of this thread's own work
};

EventTimes timeEvents(const QString& folder, long events, std::chrono::microseconds spacing, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, 36);
    GameLibrary library(folder);
    GameJournal& journal = library.journal();
    EventTimes times;
    for (long i = 0; i < events; ++i) {
        const int drawn = number(generator);
        const double cpuStart = Measure::threadCpuSeconds();
        const auto start = Measure::Clock::now();
        journal.recordNumber(drawn);
        times.wall.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e6);
        times.cpu.push_back((Measure::threadCpuSeconds() - cpuStart) * 1e6);
        if (spacing.count() > 0) {
            std::this_thread::sleep_for(spacing);
        }
    }
    if (!journal.isSaving() || journal.game().draws.size() != events) {
        const std::optional<DiskFailure> failure = journal.takeSaveFailure();
        std::fprintf(stderr, "the journal was not written: %s\n",
            failure ? std::strerror(failure->errorNumber) : "the count differs");
        std::exit(1);
    }
    journal.endGame();
    return times;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const long events = Measure::option(argc, argv, "events", 2000);
    const long draws = Measure::option(argc, argv, "draws", 100000);
    const long runs = Measure::option(argc, argv, "runs", 7);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    // In the build folder, on a real disk (a /tmp in memory would never wait for one), and
    // never among the player's games.
    QTemporaryDir folder(QDir::currentPath() + QStringLiteral("/bench-games-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "no folder to write in under %s\n", qPrintable(QDir::currentPath()));
        return 1;
    }

    const EventTimes spaced = timeEvents(folder.path(), events, std::chrono::microseconds(840), seed);
    const EventTimes backToBack = timeEvents(folder.path(), events, std::chrono::microseconds(0), seed);
    std::printf("journal: %ld events spaced 840 us: median %.1f us (CPU %.1f us), 99th percentile %.1f us\n",
        events, Measure::median(spaced.wall), Measure::median(spaced.cpu),
        Measure::percentile(spaced.wall, 0.99));
    std::printf("journal: %ld events back to back, each first waiting for the one before to reach the disk: "
                "median %.1f us (CPU %.1f us)\n",
        events, Measure::median(backToBack.wall), Measure::median(backToBack.cpu));

    // One long game, written in one go, read back whole at every run.
    {
        GameLibrary library(folder.path());
        QVector<int> numbers;
        std::mt19937 generator(seed);
        std::uniform_int_distribution<int> number(0, 36);
        for (long i = 0; i < draws; ++i) {
            numbers.append(number(generator));
        }
        library.journal().recordNumbers(numbers);
        library.journal().endGame();
    }
    const QVector<GameSummary> games = GameLibrary(folder.path()).archive().previousGames();
    const GameSummary* longGame = nullptr;
    for (const GameSummary& game : games) {
        if (game.drawCount == draws) {
            longGame = &game;
        }
    }
    if (!longGame) {
        std::fprintf(stderr, "the long game was not kept\n");
        return 1;
    }
    std::vector<double> readMillis;
    for (long run = 0; run < runs; ++run) {
        const auto start = Measure::Clock::now();
        const JournalReading reading = readJournal(longGame->path);
        readMillis.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e3);
        if (reading.game.draws.size() != draws || reading.linesLeftOut != 0) {
            std::fprintf(
                stderr, "read %lld draws of %ld\n", static_cast<long long>(reading.game.draws.size()), draws);
            return 1;
        }
    }
    std::printf("journal: reading %ld draws (%lld bytes), %ld runs: %s ms\n", draws,
        static_cast<long long>(QFileInfo(longGame->path).size()), runs,
        Measure::join(readMillis, "%.1f").c_str());

    Measure::result("journal_event_us", Measure::median(spaced.wall), "us");
    Measure::result("journal_event_cpu_us", Measure::median(spaced.cpu), "us");
    Measure::result("journal_event_back_to_back_us", Measure::median(backToBack.wall), "us");
    Measure::result("journal_read_100000_ms", Measure::median(readMillis), "ms");
    return 0;
}
