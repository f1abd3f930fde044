// SPDX-License-Identifier: GPL-3.0-or-later
// The board's import of draws from a file, and the largest game it keeps: the file chosen,
// read and shown before anything changes, then made a new game, a progress bar with
// "Annuler" whenever reading or making it lasts.
#include "board/BoardWindow.h"
#include "games/DrawImport.h"
#include "games/FileChoice.h"
#include "games/GamesTexts.h"
#include "games/GamesWords.h"
#include "games/ImportWindow.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QProgressDialog>

namespace {

// Shown once the work has lasted this long and is to last longer.
constexpr int ProgressDelay = 500; // ms
constexpr int ProgressSteps = 1000;

// Modal, so that setValue() lets the windows repaint and "Annuler" be clicked.
void prepare(QProgressDialog& progress)
{
    progress.setObjectName(QStringLiteral("importProgress"));
    progress.setWindowTitle(GamesTexts::importTitle());
    // Wide enough for its title under a window manager's frame.
    progress.setMinimumWidth(progress.fontMetrics().horizontalAdvance(GamesTexts::importTitle()) * 2 + 120);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(ProgressDelay);
    progress.setAutoReset(false);
    progress.setRange(0, ProgressSteps);
    progress.setValue(0);
}

int step(qint64 done, qint64 total)
{
    return total <= 0 ? 0 : static_cast<int>(qMin<qint64>(done, total) * ProgressSteps / total);
}

} // namespace

void BoardWindow::importDraws()
{
    const QString path = FileChoice::openFile(this, GamesTexts::importTitle(), GamesTexts::importFilter());
    if (path.isEmpty()) {
        return;
    }
    DrawImport::Reading reading;
    {
        QProgressDialog progress(GamesTexts::readingFile(), GamesTexts::cancel(), 0, ProgressSteps, this);
        prepare(progress);
        reading = DrawImport::read(path, [&progress](qint64 done, qint64 total) {
            progress.setValue(step(done, total));
            return !progress.wasCanceled();
        });
    }
    if (reading.status == DrawImport::Reading::Status::Stopped) {
        return;
    }
    if (reading.status != DrawImport::Reading::Status::Read) {
        MessageBox::show(
            this, GamesWords::notImported(reading.status), MessageBox::Exclamation, Application::title());
        return;
    }
    auto* window = new ImportWindow(path, std::move(reading), this);
    connect(window, &ImportWindow::numbersChosen, this, &BoardWindow::startImportedGame);
    window->open();
}

void BoardWindow::startImportedGame(const QVector<int>& numbers)
{
    QProgressDialog progress(GamesTexts::makingGame(), GamesTexts::cancel(), 0, ProgressSteps, this);
    prepare(progress);
    const qint64 total = numbers.size();
    m_session->startGameWith(numbers, [&progress, total](int entered) {
        progress.setValue(step(entered, total));
        return !progress.wasCanceled();
    });
}

// Told once at a time: the simulator may keep drawing while the box is open.
void BoardWindow::tellGameFull()
{
    if (m_tellingFull) {
        return;
    }
    m_tellingFull = true;
    MessageBox::show(this, GamesWords::gameFull(), MessageBox::Exclamation, Application::title());
    m_tellingFull = false;
}
