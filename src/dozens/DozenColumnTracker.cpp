// SPDX-License-Identifier: GPL-3.0-or-later
#include "dozens/DozenColumnTracker.h"

#include "roulette/Roulette.h"

void DozenColumnTracker::clearAdvice()
{
    for (GroupState* group : {&m_dozens, &m_columns}) {
        group->indicator = Indicator::Idle;
        group->advised.fill(false);
    }
}

DozenColumnTracker::Findings DozenColumnTracker::track(int number)
{
    Findings found;
    found.dozensRun = push(m_dozens, static_cast<int>(Roulette::dozenOf(number)));
    found.columnsRun = push(m_columns, static_cast<int>(Roulette::columnOf(number)));
    return found;
}

bool DozenColumnTracker::push(GroupState& group, int value)
{
    group.history.push(value);
    if (value == 0 || group.history.runLength() < AdvisedRun) {
        return false;
    }
    group.repeated = value;
    return true;
}

// At the lit phase the two dozens (columns) other than the repeated one are advised, and stay
// so until the next entry.
void DozenColumnTracker::blinkTick(Group which)
{
    GroupState& group = state(which);
    if (group.phase != 0) {
        group.indicator = Indicator::Dark;
        group.phase = 0;
        return;
    }
    group.indicator = Indicator::Lit;
    group.phase = 1;
    if (group.repeated == 0) {
        return;
    }
    for (int other = 1; other <= 3; ++other) {
        if (other != group.repeated) {
            group.advised[static_cast<std::size_t>(other - 1)] = true;
        }
    }
}
