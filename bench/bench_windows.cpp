// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the answer Yes to every window updated and repainted, per entry, with the real
// windows on the offscreen platform: the board, the three trend windows and the dozen and
// column window. The confirmation box is answered through its test hook; everything after
// the answer is what the player waits for: the model's entry, the refresh of every window,
// the side windows brought up, and the event loop until every changed widget is painted.
// Then the same entries with the game's journal written, side by side with a board that keeps
// no game; and an undo at the end of a long game, from the answer Yes to every window repainted.
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "board/BoardWindow.h"
#include "games/GameLibrary.h"
#include "platform/MessageBox.h"
#include "platform/SpeechEngine.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QMap>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {

// Counts the paint events each top-level window's widgets receive.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            lastPaint = Measure::Clock::now();
            auto* widget = static_cast<QWidget*>(watched);
            painted.insert(widget->window());
            ++paints;
            if (countByKind) {
                ++byKind[widget->window()->objectName() + QLatin1Char(' ')
                    + QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
                    + widget->objectName()];
            }
        }
        return false;
    }

    QSet<QWidget*> painted;
    long paints = 0;
    Measure::Clock::time_point lastPaint;
    bool countByKind = false;
    QMap<QString, long> byKind;
};

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            windows.append(window);
        }
    }
    return windows;
}

struct RunFigures
{
    std::vector<double> entryMicroseconds;
    double cpuMicrosecondsPerEntry = 0; // the thread's CPU time over the timed parts
    long windowsPainted = 0; // summed over the entries
    long windowsVisible = 0;
    long latePaints = 0; // paints still pending after the timed part
};

// One game through a fresh board. With fullRepaint, every visible window is also repainted
// whole after each entry, as if every one of its widgets had changed.
RunFigures play(const std::vector<int>& draws, bool fullRepaint, PaintCounter& counter)
{
    RunFigures figures;
    BoardWindow board;
    // No spoken advice is asked for (it is off until the player turns it on); no engine is
    // ever loaded either way.
    board.setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
    board.show();
    QApplication::processEvents();

    double cpu = 0;
    for (const int number : draws) {
        counter.painted.clear();
        MessageBox::setNextAnswer(MessageBox::Yes);

        const double cpuStart = Measure::threadCpuSeconds();
        const auto start = Measure::Clock::now();
        if (!board.confirmAndEnter(number)) {
            std::fprintf(stderr, "the entry of %d was refused\n", number);
            std::exit(1);
        }
        // Posted work first (shows, layouts, update requests), then once more for whatever
        // that work posted in turn.
        QApplication::processEvents();
        QApplication::processEvents();
        if (fullRepaint) {
            for (QWidget* window : visibleWindows()) {
                window->repaint();
            }
        }
        const auto end = Measure::Clock::now();
        cpu += Measure::threadCpuSeconds() - cpuStart;

        figures.entryMicroseconds.push_back(Measure::secondsBetween(start, end) * 1e6);
        figures.windowsPainted += counter.painted.size();
        figures.windowsVisible += visibleWindows().size();
        const long paintsBefore = counter.paints;
        QApplication::processEvents();
        figures.latePaints += counter.paints - paintsBefore;
    }
    figures.cpuMicrosecondsPerEntry = cpu * 1e6 / static_cast<double>(draws.size());
    if (board.table().drawCount() != static_cast<int>(draws.size())) {
        std::fprintf(stderr, "the board counted %d draws\n", board.table().drawCount());
        std::exit(1);
    }
    board.hide();
    for (QWidget* window : visibleWindows()) {
        window->hide();
    }
    return figures;
}

std::vector<int> randomDraws(long count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, Roulette::NumberCount - 1);
    std::vector<int> draws(static_cast<std::size_t>(count));
    for (int& draw : draws) {
        draw = number(generator);
    }
    return draws;
}

// A board as the program plays it: its games kept on a real disk (in the build folder, never
// among the player's games), removed afterwards.
struct KeptBoard
{
    KeptBoard()
    {
        board.setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
        board.keepGamesIn(games);
        board.show();
        QApplication::processEvents();
    }
    QTemporaryDir folder{QDir::currentPath() + QStringLiteral("/bench-windows-XXXXXX")};
    GameLibrary games{folder.path()};
    BoardWindow board;
};

struct EntryTimes
{
    double toPainted = 0; // microseconds from the answer Yes to the last widget painted
    double toIdle = 0; // and to the event loop having nothing left to do
};

// One entry from the answer Yes: the last paint, and the event loop left with nothing to do.
EntryTimes timedEntry(BoardWindow& board, int number, const PaintCounter& counter)
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    const auto start = Measure::Clock::now();
    if (!board.confirmAndEnter(number)) {
        std::fprintf(stderr, "the entry of %d was refused\n", number);
        std::exit(1);
    }
    QApplication::processEvents();
    QApplication::processEvents();
    const EntryTimes times{Measure::secondsBetween(start, counter.lastPaint) * 1e6,
        Measure::secondsBetween(start, Measure::Clock::now()) * 1e6};
    QApplication::processEvents();
    return times;
}

// Each number entered on a board that keeps no game, then on one that writes its journal, so
// that a change of the machine's load falls on both alike; the figure is each run's mean
// time from the answer Yes to the last widget painted, the median over the runs. The board
// writes its journal once its windows are painted: the time until the event loop has nothing
// left to do, journal written, is printed beside it. Between two entries the disk has its
// time, as a player's pace gives it (a sync takes milliseconds, a player seconds): the next
// entry would wait for it first, so that no confirmed number is lost once the next one starts.
void journalSideBySide(long entries, long runs, unsigned seed, const PaintCounter& counter)
{
    std::vector<double> without;
    std::vector<double> with;
    std::vector<double> withoutIdle;
    std::vector<double> withIdle;
    std::vector<double> diskWaits;
    std::vector<double> medianWithout;
    std::vector<double> medianWith;
    for (long run = 0; run < runs; ++run) {
        BoardWindow plain;
        plain.setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
        plain.show();
        KeptBoard kept;
        EntryTimes plainTotal;
        EntryTimes keptTotal;
        std::vector<double> plainEach;
        std::vector<double> keptEach;
        std::vector<double> waits;
        for (const int number : randomDraws(entries, seed + static_cast<unsigned>(run))) {
            const EntryTimes plainTimes = timedEntry(plain, number, counter);
            const EntryTimes keptTimes = timedEntry(kept.board, number, counter);
            plainTotal.toPainted += plainTimes.toPainted;
            plainTotal.toIdle += plainTimes.toIdle;
            keptTotal.toPainted += keptTimes.toPainted;
            keptTotal.toIdle += keptTimes.toIdle;
            plainEach.push_back(plainTimes.toPainted);
            keptEach.push_back(keptTimes.toPainted);
            const auto start = Measure::Clock::now();
            kept.games.journal().waitForDisk();
            waits.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e6);
        }
        if (kept.games.journal().game().draws.size() != entries || !kept.games.journal().isSaving()) {
            std::fprintf(stderr, "the journal kept %d draws\n",
                static_cast<int>(kept.games.journal().game().draws.size()));
            std::exit(1);
        }
        const auto count = static_cast<double>(entries);
        without.push_back(plainTotal.toPainted / count);
        with.push_back(keptTotal.toPainted / count);
        withoutIdle.push_back(plainTotal.toIdle / count);
        withIdle.push_back(keptTotal.toIdle / count);
        diskWaits.push_back(Measure::median(waits));
        medianWithout.push_back(Measure::median(plainEach));
        medianWith.push_back(Measure::median(keptEach));
    }
    const double ratio = Measure::median(with) / Measure::median(without);
    const double idleRatio = Measure::median(withIdle) / Measure::median(withoutIdle);
    std::printf(
        "windows, journal written, side by side with no journal: %ld runs of %ld entries; mean per entry "
        "in each run, to the last paint: %s us with, %s us without (%.1f %% more)\n",
        runs, entries, Measure::join(with, "%.0f").c_str(), Measure::join(without, "%.0f").c_str(),
        (ratio - 1) * 100);
    std::printf("  to the event loop idle, the journal written: %s us with, %s us without (%.1f %% more)\n",
        Measure::join(withIdle, "%.0f").c_str(), Measure::join(withoutIdle, "%.0f").c_str(),
        (idleRatio - 1) * 100);
    std::printf("  median entry, to the last paint: %s us with, %s us without (%.1f %% more)\n",
        Measure::join(medianWith, "%.0f").c_str(), Measure::join(medianWithout, "%.0f").c_str(),
        (Measure::median(medianWith) / Measure::median(medianWithout) - 1) * 100);
    std::printf("  the disk's own time after each entry, which a player's pace hides: median %.0f us\n",
        Measure::median(diskWaits));
    Measure::result("windows_journal_entry_us", Measure::median(with), "us");
    Measure::result("windows_no_journal_entry_us", Measure::median(without), "us");
}

// A game of `length` draws entered as a list, then undos at its end, each from the answer Yes
// to every window repainted, with the journal written.
void undoInALongGame(long length, int count, unsigned seed)
{
    KeptBoard kept;
    const std::vector<int> draws = randomDraws(length, seed);
    const auto listStart = Measure::Clock::now();
    kept.board.enterNumbers(QVector<int>(draws.begin(), draws.end()));
    QApplication::processEvents();
    QApplication::processEvents();
    const double listMilliseconds = Measure::secondsBetween(listStart, Measure::Clock::now()) * 1e3;
    std::printf(
        "a list of %ld numbers added, to every window repainted: %.1f ms\n", length, listMilliseconds);
    Measure::result("windows_list_ms", listMilliseconds, "ms");

    std::vector<double> times;
    for (int undo = 0; undo < count; ++undo) {
        MessageBox::setNextAnswer(MessageBox::Yes);
        const auto start = Measure::Clock::now();
        if (!kept.board.undoLastNumber()) {
            std::fprintf(stderr, "the undo was refused\n");
            std::exit(1);
        }
        QApplication::processEvents();
        QApplication::processEvents();
        times.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e3);
    }
    if (kept.board.table().drawCount() != length - count
        || kept.games.journal().game().draws.size() != length - count) {
        std::fprintf(stderr, "the board holds %d draws after the undos\n", kept.board.table().drawCount());
        std::exit(1);
    }
    std::printf("undo in a game of %ld draws, answer Yes to every window repainted: median %.1f ms, slowest "
                "%.1f ms over %d undos\n",
        length, Measure::median(times), *std::max_element(times.begin(), times.end()), count);
    Measure::result("windows_undo_ms", Measure::median(times), "ms");
}

} // namespace

int main(int argc, char* argv[])
{
    const long entries = Measure::option(argc, argv, "entries", 2000);
    const long runs = Measure::option(argc, argv, "runs", 5);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    OffscreenPlatform::prepare();
    QApplication application(argc, argv);
    Desktop::setUp(application);
    PaintCounter counter;
    application.installEventFilter(&counter);
    // With --paints, the widgets painted per entry, by window, class and name.
    counter.countByKind = Measure::option(argc, argv, "paints", 0) != 0;

    // --full 0: only the changed widgets repainted; --full 1: only whole windows; both by default.
    const long onlyMode = Measure::option(argc, argv, "full", -1);
    for (const bool fullRepaint : {false, true}) {
        if (onlyMode >= 0 && fullRepaint != (onlyMode != 0)) {
            continue;
        }
        const char* name = fullRepaint ? "windows_full_repaint_entry_us" : "windows_entry_us";
        std::vector<double> means;
        std::vector<double> medians;
        std::vector<double> p99s;
        std::vector<double> firsts;
        std::vector<double> cpus;
        double paintedPerEntry = 0;
        double visiblePerEntry = 0;
        long latePaints = 0;
        for (long run = 0; run < runs; ++run) {
            std::mt19937 generator(seed + static_cast<unsigned>(run));
            std::uniform_int_distribution<int> number(0, Roulette::NumberCount - 1);
            std::vector<int> draws(static_cast<std::size_t>(entries));
            for (int& draw : draws) {
                draw = number(generator);
            }

            const RunFigures figures = play(draws, fullRepaint, counter);
            const std::vector<double>& times = figures.entryMicroseconds;
            double total = 0;
            for (const double time : times) {
                total += time;
            }
            means.push_back(total / static_cast<double>(times.size()));
            medians.push_back(Measure::median(times));
            p99s.push_back(Measure::percentile(times, 0.99));
            firsts.push_back(times.front());
            cpus.push_back(figures.cpuMicrosecondsPerEntry);
            paintedPerEntry = static_cast<double>(figures.windowsPainted) / static_cast<double>(entries);
            visiblePerEntry = static_cast<double>(figures.windowsVisible) / static_cast<double>(entries);
            latePaints += figures.latePaints;
        }
        std::printf("%s: %ld runs of %ld random entries; mean per entry in each run: %s us\n",
            fullRepaint ? "windows, every window repainted whole" : "windows, changed widgets repainted",
            runs, entries, Measure::join(means, "%.0f").c_str());
        std::printf(
            "  median entry %.0f us, 99th percentile %.0f us, first entry (opens the side windows) %.0f "
            "us (medians over the runs)\n",
            Measure::median(medians), Measure::median(p99s), Measure::median(firsts));
        std::printf("  CPU time per entry in each run: %s us\n", Measure::join(cpus, "%.0f").c_str());
        std::printf("  windows painted per entry %.2f of %.2f shown; paints left over after an entry: %ld\n",
            paintedPerEntry, visiblePerEntry, latePaints);
        Measure::result(name, Measure::median(means), "us");
        Measure::result(fullRepaint ? "windows_full_repaint_entry_cpu_us" : "windows_entry_cpu_us",
            Measure::median(cpus), "us");
        for (auto kind = counter.byKind.cbegin(); kind != counter.byKind.cend(); ++kind) {
            std::printf("  %7.2f paints per entry: %s\n",
                static_cast<double>(kind.value()) / static_cast<double>(entries * runs),
                qPrintable(kind.key()));
        }
        counter.byKind.clear();
    }

    if (onlyMode < 0) {
        journalSideBySide(entries, runs, seed, counter);
        undoInALongGame(Measure::option(argc, argv, "undo-game", 10000), 30, seed);
    }
    return 0;
}
