// SPDX-License-Identifier: GPL-3.0-or-later
// The local date and time at the cost of reading the system clock. Looking the time zone up
// costs tens of microseconds at every call where TZ is unset, the common case; the offset from
// UTC only ever changes on a quarter of an hour, so it is looked up again at each quarter, and
// at least once a minute in case the player changes the time zone.
#pragma once

#include <QDateTime>

class LocalClock
{
public:
    // The local date and time, as an instant with its offset from UTC.
    QDateTime now();

private:
    qint64 m_from = 0;
    qint64 m_until = 0;
    int m_offset = 0;
};
