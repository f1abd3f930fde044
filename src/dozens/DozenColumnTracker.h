// SPDX-License-Identifier: GPL-3.0-or-later
// Dozens and columns: the two histories of the dozen and column window, the runs that start
// their blinks, and, at each lit phase of a blink, the two dozens (columns) other than the
// repeated one advised on the board until the next entry.
#pragma once

#include "dozens/HistoryRow.h"

#include <array>
#include <cstdint>

enum class Group { Dozens, Columns };

class DozenColumnTracker
{
public:
    // A run of this many equal dozens (or columns) advises the two others.
    static constexpr int AdvisedRun = 3;

    // The indicator at the end of each row: idle between runs, then lit and dark in turn.
    enum class Indicator : std::uint8_t { Idle, Lit, Dark };

    struct Findings
    {
        bool dozensRun = false;
        bool columnsRun = false;
    };

    // Before tracking at an entry: both indicators go idle, no box is advised.
    void clearAdvice();

    // Records the drawn number's dozen and column and says which of them now ends a run of
    // three or more. A zero belongs to no dozen or column: a run of zeros advises nothing.
    Findings track(int number);

    // One tick of the blink of a group (each group blinks on a timer of its own).
    void blinkTick(Group group);

    const HistoryRow& history(Group group) const { return state(group).history; }
    Indicator indicator(Group group) const { return state(group).indicator; }
    // The dozen or column (1 to 3) whose run the blink is about, 0 before any run.
    int repeated(Group group) const { return state(group).repeated; }
    // Whether dozen or column `which` (1 to 3) shows advised on the board.
    bool isAdvised(Group group, int which) const
    {
        return state(group).advised[static_cast<std::size_t>(which - 1)];
    }

private:
    struct GroupState
    {
        HistoryRow history;
        int repeated = 0;
        // Blink phase: 0 lights the indicator on the next tick, 1 darkens it. It carries over
        // from one blink to the next.
        int phase = 0;
        Indicator indicator = Indicator::Idle;
        std::array<bool, 3> advised{};
    };

    const GroupState& state(Group group) const { return group == Group::Dozens ? m_dozens : m_columns; }
    GroupState& state(Group group) { return group == Group::Dozens ? m_dozens : m_columns; }
    static bool push(GroupState& group, int value);

    GroupState m_dozens;
    GroupState m_columns;
};
