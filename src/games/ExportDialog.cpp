// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/ExportDialog.h"

#include "games/CsvExport.h"
#include "games/FileChoice.h"
#include "games/GamesTexts.h"
#include "games/GamesWords.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <optional>

namespace ExportDialog {

namespace {

QString askFileName(QWidget* parent, const GameRecord& game)
{
    if (std::optional<QString> answer = FileChoice::takeNextAnswer()) {
        return *answer;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    QFileDialog dialog(parent, GamesTexts::exportTitle(), folder, GamesTexts::exportFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(CsvExport::suggestedFileName(game.started));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

bool exportGame(QWidget* parent, const GameRecord& game)
{
    if (game.draws.isEmpty()) {
        MessageBox::show(
            parent, GamesTexts::nothingToExport(), MessageBox::Information, Application::title());
        return false;
    }
    const QString path = askFileName(parent, game);
    if (path.isEmpty()) {
        return false;
    }
    if (const std::optional<DiskFailure> failure = CsvExport::write(game, path)) {
        MessageBox::show(
            parent, GamesWords::exportFailed(*failure), MessageBox::Exclamation, Application::title());
        return false;
    }
    return true;
}

} // namespace ExportDialog
