// SPDX-License-Identifier: GPL-3.0-or-later
// The language the program speaks: French, the language its texts are written in, or
// English. The desktop's language decides unless the player chose one, which is kept.
#pragma once

#include <QLocale>
#include <QString>
#include <optional>

class QCoreApplication;

namespace Language {

enum class Choice { French, English };

// French on a French desktop and where no language is set (C, POSIX); English elsewhere.
Choice ofDesktop(const QLocale& desktop);

// The player's own choice, kept across starts, if there is one.
std::optional<Choice> saved();
void save(Choice choice);

// The saved choice, or else the desktop's.
Choice preferred(const QLocale& desktop = QLocale::system());

// Loads the program's translations and Qt's own for that language into the application, and
// makes it the current one. French needs only the plural forms of its own texts.
void install(QCoreApplication& application, Choice choice);

// The language installed last (French until one is).
Choice current();

// How numbers and dates are written in the current language: "100 000" and "41,3" in French,
// "100,000" and "41.3" in English.
QLocale locale();

// "fr" or "en": the folder of the help pages and the name of the translation files.
QString code(Choice choice);

// A text of the program in a language that need not be the current one, as a choice of
// language is confirmed in the language chosen.
QString translated(Choice choice, const char* context, const char* sourceText);

} // namespace Language
