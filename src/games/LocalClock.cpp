// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/LocalClock.h"

QDateTime LocalClock::now()
{
    const qint64 utc = QDateTime::currentMSecsSinceEpoch();
    if (utc < m_from || utc >= m_until) {
        constexpr qint64 Quarter = 15 * 60 * 1000;
        constexpr qint64 Minute = 60 * 1000;
        m_offset = QDateTime::fromMSecsSinceEpoch(utc).offsetFromUtc();
        m_from = utc - utc % Quarter;
        m_until = qMin(m_from + Quarter, utc + Minute);
    }
    return QDateTime::fromMSecsSinceEpoch(utc, Qt::OffsetFromUTC, m_offset);
}
