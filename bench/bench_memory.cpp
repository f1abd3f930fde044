// SPDX-License-Identifier: GPL-3.0-or-later
// Peak resident memory of a long game, after 100 entries and after many more, through the
// model alone or through the real windows on the offscreen platform. Each process measures
// one game, so that its peak is that game's own.
//
//   bench_memory --windows 0|1 --entries N
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "board/BoardWindow.h"
#include "board/Table.h"
#include "platform/MessageBox.h"
#include "platform/SpeechEngine.h"

#include <QApplication>
#include <cstdio>
#include <functional>
#include <memory>
#include <random>

namespace {

constexpr long FirstCheck = 100;

struct Peaks
{
    long afterFirst = 0; // kB, after FirstCheck entries
    long afterAll = 0; // kB, after every entry
};

Peaks play(long entries, unsigned seed, const std::function<void(int)>& enter)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, Roulette::NumberCount - 1);
    Peaks peaks;
    for (long entry = 1; entry <= entries; ++entry) {
        enter(number(generator));
        if (entry == FirstCheck) {
            peaks.afterFirst = Measure::peakResidentKilobytes();
        }
    }
    peaks.afterAll = Measure::peakResidentKilobytes();
    return peaks;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool windows = Measure::option(argc, argv, "windows", 0) != 0;
    const long entries = Measure::option(argc, argv, "entries", 100000);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));
    if (entries < FirstCheck) {
        std::fprintf(stderr, "bench_memory: at least %ld entries\n", FirstCheck);
        return 2;
    }

    Peaks peaks;
    long drawCount = 0;
    if (windows) {
        OffscreenPlatform::prepare();
        QApplication application(argc, argv);
        Desktop::setUp(application);
        BoardWindow board;
        board.setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
        board.show();
        QApplication::processEvents();
        peaks = play(entries, seed, [&board](int number) {
            MessageBox::setNextAnswer(MessageBox::Yes);
            board.confirmAndEnter(number);
            QApplication::processEvents();
        });
        drawCount = board.table().drawCount();
    } else {
        Table model;
        model.toggleSpeech();
        peaks = play(entries, seed, [&model](int number) { model.enter(number); });
        drawCount = model.drawCount();
    }
    if (drawCount != entries) {
        std::fprintf(stderr, "bench_memory: %ld draws counted out of %ld\n", drawCount, entries);
        return 1;
    }

    const char* through = windows ? "windows" : "model";
    std::printf("memory through the %s: peak resident %ld kB after %ld entries, %ld kB after %ld entries\n",
        through, peaks.afterFirst, FirstCheck, peaks.afterAll, entries);
    Measure::result(windows ? "memory_windows_first_kb" : "memory_model_first_kb",
        static_cast<double>(peaks.afterFirst), "kB");
    Measure::result(
        windows ? "memory_windows_all_kb" : "memory_model_all_kb", static_cast<double>(peaks.afterAll), "kB");
    Measure::result(windows ? "memory_windows_growth_kb" : "memory_model_growth_kb",
        static_cast<double>(peaks.afterAll - peaks.afterFirst), "kB");
    return 0;
}
