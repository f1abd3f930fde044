// SPDX-License-Identifier: GPL-3.0-or-later
// The games kept on this computer, in the program's data folder: the journal of the game
// being played and the archive of the others, which hands a game taken up again to the
// journal. One object, so that the program and its game session hold them together.
#pragma once

#include "games/GameArchive.h"
#include "games/GameJournal.h"

#include <QString>

class GameLibrary
{
public:
    // Games live under the program's data folder unless a folder is given.
    explicit GameLibrary(const QString& folder = defaultFolder());

    static QString defaultFolder(); // QStandardPaths::AppDataLocation
    QString folder() const { return m_folder; }

    GameJournal& journal() { return m_journal; }
    const GameJournal& journal() const { return m_journal; }
    GameArchive& archive() { return m_archive; }

private:
    QString m_folder;
    GameJournal m_journal;
    GameArchive m_archive;
};
