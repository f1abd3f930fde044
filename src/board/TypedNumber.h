// SPDX-License-Identifier: GPL-3.0-or-later
// A number typed on the board's keyboard, digit by digit. A digit no further digit can extend
// (0, 4 to 9, or a second digit) makes the number at once; 1, 2 and 3 wait up to a second for
// a second digit or Enter. A digit that would go above 36 is refused and clears the typing.
#pragma once

#include <QObject>
#include <QTimer>

class TypedNumber : public QObject
{
    Q_OBJECT

public:
    static constexpr int WaitMilliseconds = 1000;

    explicit TypedNumber(QObject* parent = nullptr);

    // The digit a typed character stands for, or -1: the digits themselves (the top row
    // with Shift on a French keyboard, the number pad), and the top row of a French or
    // Belgian keyboard without Shift (& é " ' ( - è _ ç à).
    static int digitOf(QChar typed);

    // One digit 0 to 9; false when it was refused.
    bool digit(int digit);
    // Enter: the waiting digit is the number. False when no digit waits.
    bool finish();
    // Escape: what was typed is forgotten. False when nothing was typed.
    bool clear();
    // The second is over without a second digit: the waiting digit is the number.
    void waitOver();

    bool isWaiting() const { return m_waiting >= 0; }

signals:
    void numberTyped(int number);

private:
    void give(int number);

    QTimer m_wait;
    int m_waiting = -1;
};
