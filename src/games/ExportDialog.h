// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter la partie": the standard save dialog, then the game written as a table; the
// player is told why when it cannot be written.
#pragma once

#include "games/Journal.h"

#include <QString>

class QWidget;

namespace ExportDialog {

// Asks where to save, suggesting tambrel-<start>.csv in the documents folder, and writes
// the game there. True when a file was written. Tests answer the dialog with FileChoice.
bool exportGame(QWidget* parent, const GameRecord& game);

} // namespace ExportDialog
