// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the account of the advice ("Bilan des conseils") in a very long game: the account
// alone over every draw; the whole game replayed into a table, which follows every advice as
// it goes, until the window shows it; then the window's refresh after one more entry, alone
// and repainted (offscreen platform).
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "board/Table.h"
#include "statistics/AdviceAccountWindow.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    const long draws = Measure::option(argc, argv, "draws", 1242616);
    const long probes = Measure::option(argc, argv, "probes", 1000);
    const long runs = Measure::option(argc, argv, "runs", 3);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    OffscreenPlatform::prepare();
    QApplication application(argc, argv);
    Desktop::setUp(application);

    std::vector<double> accounts;
    std::vector<double> replays;
    std::vector<double> replaysCpu;
    std::vector<double> shown;
    std::vector<double> refreshes;
    std::vector<double> repainted;
    double checksum = 0;
    for (long run = 0; run < runs; ++run) {
        const std::vector<std::uint8_t> game
            = Measure::randomDraws(draws + probes, seed + static_cast<unsigned>(run));
        Table table;
        // The account alone: every draw with the advice the table showed after it, followed
        // one draw at a time, as the table does during an entry.
        std::vector<AdviceAccount::Advice> shownAdvice;
        shownAdvice.reserve(static_cast<std::size_t>(draws));
        for (long draw = 0; draw < draws; ++draw) {
            table.enter(game[static_cast<std::size_t>(draw)]);
            shownAdvice.push_back(table.followedAdvice());
        }
        AdviceAccount account;
        auto start = Measure::Clock::now();
        for (long draw = 0; draw < draws; ++draw) {
            account.add(game[static_cast<std::size_t>(draw)], shownAdvice[static_cast<std::size_t>(draw)]);
        }
        accounts.push_back(Measure::secondsBetween(start, Measure::Clock::now()) * 1e3);
        checksum += account.figures(AdviceAccount::Row::All).result;

        // The game as a resumed or imported game reaches the table, then the window opened on it.
        const double cpuBefore = Measure::threadCpuSeconds();
        start = Measure::Clock::now();
        table.replay(std::vector<std::uint8_t>(game.begin(), game.begin() + draws));
        const auto replayed = Measure::Clock::now();
        replaysCpu.push_back((Measure::threadCpuSeconds() - cpuBefore) * 1e3);
        AdviceAccountWindow window;
        window.refresh(table.adviceAccount());
        window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        const auto opened = Measure::Clock::now();
        replays.push_back(Measure::secondsBetween(start, replayed) * 1e3);
        shown.push_back(Measure::secondsBetween(start, opened) * 1e3);

        std::vector<double> refresh;
        std::vector<double> painted;
        for (long probe = 0; probe < probes; ++probe) {
            table.enter(game[static_cast<std::size_t>(draws + probe)]);
            const auto before = Measure::Clock::now();
            window.refresh(table.adviceAccount());
            const auto refreshed = Measure::Clock::now();
            QApplication::processEvents();
            QApplication::processEvents();
            const auto done = Measure::Clock::now();
            refresh.push_back(Measure::secondsBetween(before, refreshed) * 1e6);
            painted.push_back(Measure::secondsBetween(before, done) * 1e6);
        }
        refreshes.push_back(Measure::median(refresh));
        repainted.push_back(Measure::median(painted));
        checksum += table.adviceAccount().figures(AdviceAccount::Row::All).result;
        if (table.adviceAccount().draws() != draws + probes) {
            std::fprintf(stderr, "the account counted %d draws\n", table.adviceAccount().draws());
            return 1;
        }
    }

    std::printf("account of the advice at %ld draws, %ld runs, %ld entries timed in each (seeds %u..%ld)\n",
        draws, runs, probes, seed, static_cast<long>(seed) + runs - 1);
    std::printf("  the account alone, every draw:       %s ms\n", Measure::join(accounts, "%.0f").c_str());
    std::printf("  whole game replayed into a table:    %s ms\n", Measure::join(replays, "%.0f").c_str());
    std::printf("  the same in processor time:          %s ms\n", Measure::join(replaysCpu, "%.0f").c_str());
    std::printf("  replayed and the window shown:       %s ms\n", Measure::join(shown, "%.0f").c_str());
    std::printf("  refresh after one entry, median:     %s us\n", Measure::join(refreshes, "%.0f").c_str());
    std::printf("  refresh and repaint, median:         %s us\n", Measure::join(repainted, "%.0f").c_str());
    std::printf("  checksum %.6g\n", checksum);
    Measure::result("advice_account_alone_ms", Measure::median(accounts), "ms");
    Measure::result("advice_account_replay_ms", Measure::median(replays), "ms");
    Measure::result("advice_account_replay_cpu_ms", Measure::median(replaysCpu), "ms");
    Measure::result("advice_account_window_ms", Measure::median(shown) - Measure::median(replays), "ms");
    Measure::result("advice_account_shown_ms", Measure::median(shown), "ms");
    Measure::result("advice_account_refresh_us", Measure::median(refreshes), "us");
    Measure::result("advice_account_entry_us", Measure::median(repainted), "us");
    return 0;
}
