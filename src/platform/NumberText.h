// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as the player types and reads them: a text read as a number the forgiving way the
// stake and pace boxes need, and a number written back with the desktop's decimal separator.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

namespace NumberText {

// Shown in place of a number that lies beyond what the program can compute.
QString outOfRange();

// Reads the number at the start of a text. Blanks, tabs and line feeds are skipped wherever
// they stand; then the longest leading decimal number is taken: an optional sign, digits
// with "." as the decimal point, and an optional exponent ("e" or "E", optional sign,
// digits). Whatever follows is ignored: "12 euros" reads 12, "2,5" reads 2. A text that
// does not start with a number reads 0. A number too large for a double reads as an
// infinity of its sign, one too small as 0. Any text at all can be read.
double read(QStringView text);

// The same, where the locale's decimal separator marks the decimal point as well as ".": on
// a French desktop "2,5" and "2.5" both read 2,5, as the player writes them and reads them back.
double read(QStringView text, const QLocale& locale);

// Writes a number the way the player reads it: up to 15 significant digits, no trailing
// zeros, the locale's decimal separator, no group separators ("7", "17,5" in French), and
// the scientific form for very large or very small values ("1,27E+22", "1E-05"). An
// infinity or a not-a-number is written as outOfRange().
QString write(double value, const QLocale& locale);

// The same with the player's own locale.
QString write(double value);

// The locale numbers are written in: the desktop's, unless a test has set another.
QLocale userLocale();
void setUserLocale(const QLocale& locale);
void resetUserLocale();

} // namespace NumberText
