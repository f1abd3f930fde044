// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/FileChoice.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <utility>

namespace FileChoice {

namespace {

std::optional<QString>& nextAnswer()
{
    static std::optional<QString> answer;
    return answer;
}

} // namespace

QString openFile(QWidget* parent, const QString& title, const QString& filter)
{
    if (std::optional<QString> answer = takeNextAnswer()) {
        return *answer;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QDir::homePath();
    }
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

std::optional<QString> takeNextAnswer()
{
    return std::exchange(nextAnswer(), std::nullopt);
}

void setNextAnswer(const QString& path)
{
    nextAnswer() = path;
}

void clearNextAnswer()
{
    nextAnswer().reset();
}

} // namespace FileChoice
