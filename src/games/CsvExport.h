// SPDX-License-Identifier: GPL-3.0-or-later
// A game as a table that LibreOffice Calc and Excel in French open in columns: UTF-8 with
// a byte order mark, ";" between cells, one header row, one row per draw.
#pragma once

#include "games/DiskFolder.h"
#include "games/Journal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

namespace CsvExport {

QByteArray table(const GameRecord& game);

// "tambrel-2026-12-06-2015.csv", from the game's start.
QString suggestedFileName(const QDateTime& started);

// Writes the table under that name, all or nothing: a failure never leaves half a file
// there. Nothing when done, otherwise what the disk refused.
std::optional<DiskFailure> write(const GameRecord& game, const QString& path);

} // namespace CsvExport
