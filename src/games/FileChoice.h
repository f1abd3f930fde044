// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's file dialogs, with a hook for tests: the next dialog can be answered at once
// without showing itself (MessageBox::setNextAnswer() is the same for message boxes).
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace FileChoice {

// The file the player chose to open, or an empty text for "Annuler".
QString openFile(QWidget* parent, const QString& title, const QString& filter);

// The answer set for the next dialog, taken once; nothing when none is set.
std::optional<QString> takeNextAnswer();

// The next dialog answers this file name (an empty name stands for the player's "Annuler").
void setNextAnswer(const QString& path);
void clearNextAnswer();

} // namespace FileChoice
