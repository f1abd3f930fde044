// SPDX-License-Identifier: GPL-3.0-or-later
// What the program answers on a terminal: its help, its name and version, or a refusal. Qt's own
// options (-platform, -style...) are taken out by Qt before the rest is read here.
#pragma once

#include <QString>
#include <QStringList>

namespace CommandLine {

enum class Request { Start, Help, Version, Refused };

struct Answer
{
    Request request = Request::Start;
    // Written on the standard output for the help and the version, on the error output when
    // the command line is refused.
    QString text;
    int exitStatus = 0;
};

// The command line, program name first.
Answer read(const QStringList& arguments);

// The program cannot start: there is no display to show it on.
Answer noDisplay();

// Writes the answer's text where it belongs; returns the exit status.
int print(const Answer& answer);

} // namespace CommandLine
