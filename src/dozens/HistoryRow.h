// SPDX-License-Identifier: GPL-3.0-or-later
// The last twenty dozens, or the last twenty columns: 1 to 3, or 0 for a zero and for squares
// never filled. Oldest first, newest last.
#pragma once

#include <array>
#include <cstdint>

class HistoryRow
{
public:
    static constexpr int Length = 20;

    // The newest value goes in at the right end; the oldest falls off the left.
    void push(int value);

    // How many equal values stand at the right end, the newest included (1 to 20).
    int runLength() const;

    int newest() const { return m_values.back(); }
    int value(int index) const { return m_values[static_cast<std::size_t>(index)]; }

private:
    std::array<std::uint8_t, Length> m_values{};
};
