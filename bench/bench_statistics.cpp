// SPDX-License-Identifier: GPL-3.0-or-later
// Time of the statistics after one entry in a long game: the model's update alone, the same
// with every figure the window reads, and the window's refresh with the window open on the
// offscreen platform, then with the event loop run until it is repainted.
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "statistics/StatisticsWindow.h"

#include <QApplication>
#include <cstdio>

namespace {

// Everything the window reads after an entry, summed so that none of it is optimised away.
double readEverything(const StatisticsModel& model)
{
    double sum = model.chiSquare() + model.pValue() + model.expectedHits() + model.usualLongestRun()
        + model.band().low + model.band().high + static_cast<int>(model.verdict());
    for (int number = 0; number < Roulette::NumberCount; ++number) {
        sum += model.hits(number) + model.drawsSince(number);
    }
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        const StatisticsModel::ChanceFigures figures = model.chance(StatisticsModel::chanceAt(row));
        sum += figures.observed + figures.expected + figures.gap
            + model.longestRun(StatisticsModel::chanceAt(row));
    }
    return sum;
}

} // namespace

int main(int argc, char* argv[])
{
    const long entries = Measure::option(argc, argv, "entries", 100000);
    const long probes = Measure::option(argc, argv, "probes", 1000);
    const long runs = Measure::option(argc, argv, "runs", 5);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    OffscreenPlatform::prepare();
    QApplication application(argc, argv);
    Desktop::setUp(application);

    std::vector<double> addOnly;
    std::vector<double> withFigures;
    std::vector<double> refreshes;
    std::vector<double> repainted;
    std::vector<double> repaintedCpu;
    double checksum = 0;
    for (long run = 0; run < runs; ++run) {
        // The game so far, then the entries that are timed: 3 x probes more draws.
        const std::vector<std::uint8_t> draws
            = Measure::randomDraws(entries + 3 * probes, seed + static_cast<unsigned>(run));
        StatisticsModel model;
        model.rebuild(std::vector<std::uint8_t>(draws.begin(), draws.begin() + entries));
        checksum += readEverything(model);
        std::size_t next = static_cast<std::size_t>(entries);

        // The update alone, timed over a batch: one entry takes less than the clock's grain.
        auto start = Measure::Clock::now();
        for (long probe = 0; probe < probes; ++probe) {
            model.add(draws[next++]);
        }
        addOnly.push_back(
            Measure::secondsBetween(start, Measure::Clock::now()) * 1e6 / static_cast<double>(probes));

        start = Measure::Clock::now();
        for (long probe = 0; probe < probes; ++probe) {
            model.add(draws[next++]);
            checksum += readEverything(model);
        }
        withFigures.push_back(
            Measure::secondsBetween(start, Measure::Clock::now()) * 1e6 / static_cast<double>(probes));

        StatisticsWindow window;
        window.refresh(model);
        window.show();
        QApplication::processEvents();
        QApplication::processEvents();
        std::vector<double> refresh;
        std::vector<double> painted;
        double cpu = 0;
        for (long probe = 0; probe < probes; ++probe) {
            model.add(draws[next++]);
            const double cpuBefore = Measure::threadCpuSeconds();
            const auto before = Measure::Clock::now();
            window.refresh(model);
            const auto refreshed = Measure::Clock::now();
            QApplication::processEvents();
            QApplication::processEvents();
            const auto shown = Measure::Clock::now();
            cpu += Measure::threadCpuSeconds() - cpuBefore;
            refresh.push_back(Measure::secondsBetween(before, refreshed) * 1e6);
            painted.push_back(Measure::secondsBetween(before, shown) * 1e6);
        }
        refreshes.push_back(Measure::median(refresh));
        repainted.push_back(Measure::median(painted));
        repaintedCpu.push_back(cpu * 1e6 / static_cast<double>(probes));
        if (model.draws() != entries + 3 * probes) {
            std::fprintf(stderr, "the model counted %d draws\n", model.draws());
            return 1;
        }
    }

    std::printf("statistics at %ld draws, %ld runs of %ld entries each (seeds %u..%ld)\n", entries, runs,
        probes, seed, static_cast<long>(seed) + runs - 1);
    std::printf("  model update per entry in each run: %s us\n", Measure::join(addOnly, "%.3f").c_str());
    std::printf("  model update and every figure read: %s us\n", Measure::join(withFigures, "%.3f").c_str());
    std::printf("  window refresh, median per run:     %s us\n", Measure::join(refreshes, "%.0f").c_str());
    std::printf("  refresh and repaint, median per run: %s us\n", Measure::join(repainted, "%.0f").c_str());
    std::printf("  CPU time of refresh and repaint, mean per run: %s us\n",
        Measure::join(repaintedCpu, "%.0f").c_str());
    std::printf("  checksum %.6g\n", checksum);
    Measure::result("statistics_model_entry_us", Measure::median(addOnly), "us");
    Measure::result("statistics_model_figures_us", Measure::median(withFigures), "us");
    Measure::result("statistics_window_refresh_us", Measure::median(refreshes), "us");
    Measure::result("statistics_window_entry_us", Measure::median(repainted), "us");
    Measure::result("statistics_window_entry_cpu_us", Measure::median(repaintedCpu), "us");
    return 0;
}
