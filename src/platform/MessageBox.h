// SPDX-License-Identifier: GPL-3.0-or-later
// The program's message box: a prompt, a title and a style value that picks the buttons, the
// icon and the default button; the answer comes back as a button code (Yes is 6).
// Tests answer it through setNextAnswer() instead of a person.
#pragma once

#include <QString>

class QWidget;

class MessageBox
{
public:
    enum Button { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

    // Style bits: buttons in the low nibble, the icon in the next one, the default button
    // in the one after.
    enum Style {
        OkOnly = 0,
        YesNo = 4,
        Critical = 16,
        Question = 32,
        Exclamation = 48,
        Information = 64,
        DefaultButton2 = 256,
    };

    // Shows the box modally and returns the button chosen. Closing the box counts as its
    // last button (No for Yes/No).
    static int show(QWidget* parent, const QString& prompt, int style, const QString& title);

    // The next call of show() returns this answer at once, without a box. Used once.
    static void setNextAnswer(int button);
    static void clearNextAnswer();

    // True while a box is on the screen.
    static bool isOpen();

    // How many boxes are open, each one inside the one before it.
    static int openCount();

private:
    static int s_nextAnswer;
    static int s_openCount;
};
