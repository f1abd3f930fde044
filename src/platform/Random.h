// SPDX-License-Identifier: GPL-3.0-or-later
// Random numbers for the draw simulator: a uniform value in [0, 1), from a generator that is
// seeded again from the clock before each draw. Tests hand in their own clock, so that a run
// of draws is the same every time.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

// What the simulator needs of a random source; tests may supply their own values.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void seedFromClock() = 0;

    // A value v with 0 <= v < 1.
    virtual double uniform() = 0;
};

class ClockSeededRandom final : public RandomSource
{
public:
    using Clock = std::function<std::uint64_t()>;

    // Without a clock of its own, the source reads the system clock in nanoseconds.
    explicit ClockSeededRandom(Clock clock = {});

    void seedFromClock() override;
    void seed(std::uint64_t value);
    double uniform() override;

    // The system clock, in nanoseconds since the epoch.
    static std::uint64_t systemClock();

    // The top 53 bits of a 64-bit output as a double in [0, 1): never 1, whatever the bits.
    static double unitFromBits(std::uint64_t bits);

private:
    Clock m_clock;
    std::mt19937_64 m_engine;
};
