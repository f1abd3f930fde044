// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TypedNumber.h"

#include "roulette/Roulette.h"

namespace {

// The top row of a French AZERTY keyboard without Shift, 1 to 9 then 0; the Belgian one
// differs at 6 (§) and 8 (!).
const QString FrenchTopRow = QStringLiteral("&é\"'(-è_çà");

} // namespace

TypedNumber::TypedNumber(QObject* parent)
    : QObject(parent)
{
    m_wait.setSingleShot(true);
    m_wait.setInterval(WaitMilliseconds);
    connect(&m_wait, &QTimer::timeout, this, &TypedNumber::waitOver);
}

int TypedNumber::digitOf(QChar typed)
{
    if (typed >= QLatin1Char('0') && typed <= QLatin1Char('9')) {
        return typed.unicode() - '0';
    }
    if (typed == QChar(0x00A7)) { // §
        return 6;
    }
    if (typed == QLatin1Char('!')) {
        return 8;
    }
    const qsizetype place = FrenchTopRow.indexOf(typed);
    return place < 0 ? -1 : static_cast<int>((place + 1) % 10);
}

bool TypedNumber::digit(int digit)
{
    if (digit < 0 || digit > 9) {
        return false;
    }
    if (isWaiting()) {
        const int number = m_waiting * 10 + digit;
        if (!Roulette::isValidNumber(number)) {
            clear();
            return false;
        }
        give(number);
        return true;
    }
    if (digit >= 1 && digit * 10 <= Roulette::HighestNumber) {
        m_waiting = digit;
        m_wait.start();
        return true;
    }
    give(digit);
    return true;
}

bool TypedNumber::finish()
{
    if (!isWaiting()) {
        return false;
    }
    give(m_waiting);
    return true;
}

bool TypedNumber::clear()
{
    const bool typed = isWaiting();
    m_waiting = -1;
    m_wait.stop();
    return typed;
}

void TypedNumber::waitOver()
{
    finish();
}

// Forgotten before it is handed over: the confirmation box that follows may take its time.
void TypedNumber::give(int number)
{
    clear();
    emit numberTyped(number);
}
