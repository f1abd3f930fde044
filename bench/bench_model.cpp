// SPDX-License-Identifier: GPL-3.0-or-later
// Time of one entry through the board's model, with every tracker and all advice at work
// (spoken advice on, so its sentences are built too), over a long random game; and of a
// whole game rebuilt from its draws, as an undo or a game taken up again does.
#include "Measure.h"
#include "board/Table.h"

#include <cstdint>
#include <cstdio>
#include <random>

namespace {

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

} // namespace

int main(int argc, char* argv[])
{
    const long entries = Measure::option(argc, argv, "entries", 100000);
    const long runs = Measure::option(argc, argv, "runs", 7);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    std::vector<double> perEntry; // microseconds, one mean per run
    long checksum = 0;
    for (long run = 0; run < runs; ++run) {
        // Every run plays its own game; the same seeds give the same games on every machine.
        const std::vector<int> draws = randomDraws(entries, seed + static_cast<unsigned>(run));
        Table model;
        model.toggleSpeech();

        const auto start = Measure::Clock::now();
        for (const int number : draws) {
            model.enter(number);
        }
        const auto end = Measure::Clock::now();

        // The game really happened: every draw was counted and kept.
        if (model.drawCount() != entries || static_cast<long>(model.draws().size()) != entries) {
            std::fprintf(stderr, "the model counted %d draws out of %ld\n", model.drawCount(), entries);
            return 1;
        }
        checksum += model.level() + model.spokenPhrases().size();
        perEntry.push_back(Measure::secondsBetween(start, end) * 1e6 / static_cast<double>(entries));
    }

    std::printf("model: %ld runs of %ld random entries (seeds %u..%ld), mean per entry in each run: %s us\n",
        runs, entries, seed, static_cast<long>(seed) + runs - 1, Measure::join(perEntry, "%.3f").c_str());
    std::printf("model: final level and phrases checksum %ld\n", checksum);
    Measure::result("model_entry_us", Measure::median(perEntry), "us");

    // The same games rebuilt whole, into a table that already holds a game.
    std::vector<double> rebuilds; // milliseconds
    for (long run = 0; run < runs; ++run) {
        const std::vector<int> numbers = randomDraws(entries, seed + static_cast<unsigned>(run));
        const std::vector<std::uint8_t> draws(numbers.begin(), numbers.end());
        Table model;
        model.toggleSpeech();
        model.replay(draws);

        const auto start = Measure::Clock::now();
        model.replay(draws);
        const auto end = Measure::Clock::now();
        if (model.draws() != draws) {
            std::fprintf(stderr, "the rebuilt model holds %d draws out of %ld\n", model.drawCount(), entries);
            return 1;
        }
        checksum += model.level();
        rebuilds.push_back(Measure::secondsBetween(start, end) * 1e3);
    }
    std::printf("model: a game of %ld draws rebuilt, in each run: %s ms (checksum %ld)\n", entries,
        Measure::join(rebuilds, "%.1f").c_str(), checksum);
    Measure::result("model_rebuild_ms", Measure::median(rebuilds), "ms");
    return 0;
}
