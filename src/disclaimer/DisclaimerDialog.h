// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer shown before the board: what the program is, its version, and the warning
// that its advice is no certainty. "VALIDER" accepts it; "ANNULER", or closing the window,
// leaves the program. No key closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class DisclaimerDialog : public QDialog
{
    Q_OBJECT

public:
    explicit DisclaimerDialog(QWidget* parent = nullptr);

    // The text a disclaimer box holds, line breaks as written (CR LF).
    static QString storedText(const QPlainTextEdit* box);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showVersion();
};
