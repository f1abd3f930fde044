// SPDX-License-Identifier: GPL-3.0-or-later
// Draws read from a file, to become a game: the spins a casino publishes (numbers separated
// by commas, spaces, semicolons, tabs or line breaks, lines without a digit left out), a table
// this program exported (its "numéro" column) or a game file of its own (undos applied).
// Read in parts, whatever the file's size; nothing is kept beyond the largest game.
#pragma once

#include "games/NumberList.h"

#include <QString>
#include <functional>

namespace DrawImport {

enum class Layout { Numbers, ExportedTable, KeptGame };

struct Reading
{
    enum class Status {
        Read,
        CannotOpen, // not a file, or not readable
        Empty, // no number and no mistake in it
        NotText, // a picture, a program, a spreadsheet's own format...
        NewerGame, // a game file of a newer program
        Stopped, // the player stopped the reading
    };

    Status status = Status::CannotOpen;
    Layout layout = Layout::Numbers;
    // In the file's order; for a game file, its lines not understood are its mistakes,
    // counted without a word.
    NumberList::Reading list;
};

// Told how many of the file's bytes are read, and its size; false to stop.
using Progress = std::function<bool(qint64 done, qint64 total)>;

Reading read(const QString& path, const Progress& progress = {});

} // namespace DrawImport
