// SPDX-License-Identifier: GPL-3.0-or-later
// "Exporter la partie": the standard save dialog, then the game written as a table; the
// player is told why when it cannot be written.
#pragma once

#include "games/Journal.h"

#include <QString>

class QWidget;

namespace ExportDialog {

// Asks where to save, suggesting tambrel-<start>.csv in the documents folder, and writes
// the game there. True when a file was written.
bool exportGame(QWidget* parent, const GameRecord& game);

// The next dialog answers this file name at once, without showing itself (an empty name
// stands for the player's "Annuler"). Used once; for tests.
void setNextFileName(const QString& path);
void clearNextFileName();

} // namespace ExportDialog
