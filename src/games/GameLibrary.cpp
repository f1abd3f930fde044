// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/GameLibrary.h"

#include <QStandardPaths>

GameLibrary::GameLibrary(const QString& folder)
    : m_folder(folder)
    , m_journal(folder)
    , m_archive(folder, m_journal)
{ }

QString GameLibrary::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
