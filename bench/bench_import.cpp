// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a long file of published spins, as the player does it (Ctrl+O, then "Importer"),
// until every window shows the new game: the time, the time until it is on the disk, the peak
// resident memory of the whole program, and whether the progress bar came up. One import per
// run, in a fresh process, so that the peak is this import's.
#include "Measure.h"
#include "OffscreenPlatform.h"
#include "board/BoardWindow.h"
#include "games/FileChoice.h"
#include "games/GameLibrary.h"
#include "games/ImportWindow.h"
#include "platform/SpeechEngine.h"

#include <QApplication>
#include <QFile>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>

namespace {

// Lines of 1 to 12 numbers separated by commas, as the published files have them: about
// 2.8 bytes a number.
QByteArray publishedSpins(long count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> number(0, 36);
    std::uniform_int_distribution<int> lineLength(1, 12);
    QByteArray bytes;
    bytes.reserve(count * 3);
    for (long written = 0; written < count;) {
        const int length = lineLength(generator);
        for (int i = 0; i < length && written < count; ++i, ++written) {
            if (i > 0) {
                bytes += ',';
            }
            bytes += QByteArray::number(number(generator));
        }
        bytes += '\n';
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    const long count = Measure::option(argc, argv, "draws", 1242616);
    const auto seed = static_cast<unsigned>(Measure::option(argc, argv, "seed", 20240607));

    OffscreenPlatform::prepare();
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    QApplication application(argc, argv);
    Desktop::setUp(application);

    const QString path = home.filePath(QStringLiteral("tirages.txt"));
    QFile file(path);
    const QByteArray bytes = publishedSpins(count, seed);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "bench_import: %s cannot be written\n", qPrintable(path));
        return 1;
    }
    file.close();

    // A game under way, with the statistics open: every window follows the import.
    GameLibrary games;
    BoardWindow board;
    board.setSpeechEngineFactory([] { return std::unique_ptr<SpeechEngine>(); });
    board.keepGamesIn(games);
    board.show();
    board.enterNumbers({5, 17, 0, 32, 12, 12, 8});
    board.openStatistics();
    QApplication::processEvents();
    const long before = Measure::statusKilobytes("VmRSS");

    bool progressShown = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &poll, [&progressShown] {
        const auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
        progressShown = progressShown || (progress && progress->isVisible());
    });
    poll.start(20);

    const auto start = Measure::Clock::now();
    const double startCpu = Measure::threadCpuSeconds();
    FileChoice::setNextAnswer(path);
    board.importDraws();
    auto* window = board.findChild<ImportWindow*>();
    auto* import = window ? window->findChild<QPushButton*>(QStringLiteral("import")) : nullptr;
    if (!import || !import->isEnabled()) {
        std::fprintf(stderr, "bench_import: the file was not read as %ld numbers\n", count);
        return 1;
    }
    import->click();
    QApplication::processEvents();
    const auto shown = Measure::Clock::now();
    const double shownCpuMs = (Measure::threadCpuSeconds() - startCpu) * 1000.0;
    games.journal().waitForDisk();
    const auto kept = Measure::Clock::now();

    if (board.table().drawCount() != count || games.journal().game().draws.size() != count) {
        std::fprintf(stderr, "bench_import: %d draws shown, %lld kept, out of %ld\n",
            board.table().drawCount(), static_cast<long long>(games.journal().game().draws.size()), count);
        return 1;
    }
    const double shownMs = Measure::secondsBetween(start, shown) * 1000.0;
    const double keptMs = Measure::secondsBetween(start, kept) * 1000.0;
    const long peak = Measure::peakResidentKilobytes();
    std::printf(
        "import of %ld numbers (%.1f MB): every window shows it in %.0f ms (CPU %.0f ms), on the disk "
        "in %.0f ms; peak resident %ld kB (%ld kB before); progress bar %s\n",
        count, static_cast<double>(bytes.size()) / 1e6, shownMs, shownCpuMs, keptMs, peak, before,
        progressShown ? "shown" : "not shown");
    Measure::result("import_shown_ms", shownMs, "ms");
    Measure::result("import_shown_cpu_ms", shownCpuMs, "ms");
    Measure::result("import_kept_ms", keptMs, "ms");
    Measure::result("import_peak_kb", static_cast<double>(peak), "kB");
    Measure::result("import_progress_shown", progressShown ? 1 : 0, "");
    return 0;
}
