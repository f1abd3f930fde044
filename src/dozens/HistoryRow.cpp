// SPDX-License-Identifier: GPL-3.0-or-later
#include "dozens/HistoryRow.h"

#include <algorithm>

void HistoryRow::push(int value)
{
    std::move(m_values.begin() + 1, m_values.end(), m_values.begin());
    m_values.back() = static_cast<std::uint8_t>(value);
}

int HistoryRow::runLength() const
{
    int run = 1;
    for (int i = Length - 2; i >= 0 && m_values[static_cast<std::size_t>(i)] == m_values.back(); --i) {
        ++run;
    }
    return run;
}
