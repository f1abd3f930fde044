// SPDX-License-Identifier: GPL-3.0-or-later
// Linked into every test: before anything starts, the program's data folder (and the home
// folder the save dialog starts from) move to a folder of this run's own, removed at the
// end, so that no test ever reads or spoils the player's own games. A program a test starts
// keeps the folders it was given.
#include <QTemporaryDir>
#include <QtGlobal>
#include <memory>

namespace {

struct PrivateDataFolder
{
    PrivateDataFolder()
    {
        if (qEnvironmentVariableIsSet("TAMBREL_TEST_DATA")) {
            return;
        }
        folder = std::make_unique<QTemporaryDir>();
        qputenv("TAMBREL_TEST_DATA", folder->path().toUtf8());
        qputenv("HOME", folder->path().toUtf8());
        qputenv("XDG_DATA_HOME", (folder->path() + QStringLiteral("/data")).toUtf8());
    }
    std::unique_ptr<QTemporaryDir> folder;
};

const PrivateDataFolder privateDataFolder;

} // namespace
