// SPDX-License-Identifier: GPL-3.0-or-later
// A random source that gives the values a test chooses, and counts its seedings.
#pragma once

#include "platform/Random.h"

#include <QList>
#include <memory>

class ScriptedRandom final : public RandomSource
{
public:
    struct Log
    {
        QList<char> calls; // 's' for a seeding from the clock, 'u' for a value drawn
    };

    ScriptedRandom(QList<double> values, std::shared_ptr<Log> log = std::make_shared<Log>())
        : m_values(std::move(values))
        , m_log(std::move(log))
    { }

    void seedFromClock() override { m_log->calls << 's'; }
    double uniform() override
    {
        m_log->calls << 'u';
        return m_values.isEmpty() ? 0.0 : m_values.takeFirst();
    }

    // The value that draws number n of 0..36: the middle of its slice of [0, 1).
    static double valueFor(int number) { return (number + 0.5) / 37.0; }

private:
    QList<double> m_values;
    std::shared_ptr<Log> m_log;
};
