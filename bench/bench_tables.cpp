// SPDX-License-Identifier: GPL-3.0-or-later
// Several tables on the real windows (offscreen platform), each of `draws` random draws:
// switching between two of them until every window is repainted; an entry on one of eight
// open tables against the same entry with one table, alternately; and, with --memory 1, the
// peak resident memory once eight such tables are open.
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "board/BoardWindow.h"
#include "platform/MessageBox.h"
#include "platform/SpeechEngine.h"

#include <QApplication>
#include <cstdio>
#include <memory>

namespace {

QVector<int> randomDraws(long count, unsigned seed)
{
    const std::vector<std::uint8_t> draws = Measure::randomDraws(count, seed);
    return QVector<int>(draws.begin(), draws.end());
}

// Posted work first (shows, layouts, update requests), then whatever that work posted.
void untilRepainted()
{
    QApplication::processEvents();
    QApplication::processEvents();
}

// A shown board with `tables` tables of `draws` draws each, the first one shown.
std::unique_ptr<BoardWindow> boardWithTables(int tables, long draws, unsigned seed)
{
    auto board = std::make_unique<BoardWindow>();
    board->setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
    board->show();
    for (int table = 0; table < tables; ++table) {
        if (table > 0) {
            board->tables().add();
        }
        board->enterNumbers(randomDraws(draws, seed + static_cast<unsigned>(table)));
        untilRepainted();
    }
    board->tables().show(0);
    untilRepainted();
    return board;
}

double enterTimed(BoardWindow& board, int number)
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    const auto start = Measure::Clock::now();
    if (!board.confirmAndEnter(number)) {
        std::fprintf(stderr, "the entry of %d was refused\n", number);
        std::exit(1);
    }
    untilRepainted();
    return Measure::secondsBetween(start, Measure::Clock::now()) * 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    const long draws = Measure::option(argc, argv, "draws", 100000);
    const long entries = Measure::option(argc, argv, "entries", 1000);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20261207));

    OffscreenPlatform::prepare();
    QApplication application(argc, argv);
    Desktop::setUp(application);

    if (Measure::option(argc, argv, "memory", 0) != 0) {
        const std::unique_ptr<BoardWindow> board = boardWithTables(Tables::MaxTables, draws, seed);
        const long peak = Measure::peakResidentKilobytes();
        std::printf("peak resident memory with %d tables of %ld draws on the windows: %ld kB\n",
            Tables::MaxTables, draws, peak);
        Measure::result("tables_memory_kb", static_cast<double>(peak), "kB");
        return 0;
    }

    {
        const std::unique_ptr<BoardWindow> board = boardWithTables(2, draws, seed);
        std::vector<double> switches;
        for (int i = 0; i < 41; ++i) {
            const auto start = Measure::Clock::now();
            board->tables().showNext();
            untilRepainted();
            switches.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e3);
        }
        std::printf("switching between two tables of %ld draws, to every window repainted: median %.2f ms, "
                    "slowest %.2f ms over %zu switches\n",
            draws, Measure::median(switches), *std::max_element(switches.begin(), switches.end()),
            switches.size());
        Measure::result("tables_switch_ms", Measure::median(switches), "ms");
    }

    // One entry on each board in turn, so that the machine's load falls on both alike.
    const std::unique_ptr<BoardWindow> one = boardWithTables(1, draws, seed);
    const std::unique_ptr<BoardWindow> eight = boardWithTables(Tables::MaxTables, draws, seed);
    const QVector<int> numbers = randomDraws(entries, seed + 100);
    std::vector<double> withOne;
    std::vector<double> withEight;
    for (const int number : numbers) {
        withOne.push_back(enterTimed(*one, number));
        withEight.push_back(enterTimed(*eight, number));
    }
    const double ratio = Measure::median(withEight) / Measure::median(withOne);
    std::printf("an entry at %ld draws, to every window repainted: median %.0f us with 8 tables open, "
                "%.0f us with one (%.1f %% more)\n",
        draws, Measure::median(withEight), Measure::median(withOne), (ratio - 1) * 100);
    Measure::result("tables_entry_eight_us", Measure::median(withEight), "us");
    Measure::result("tables_entry_one_us", Measure::median(withOne), "us");
    return 0;
}
