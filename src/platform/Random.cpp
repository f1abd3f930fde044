// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Random.h"

#include <chrono>

namespace {

// Clock readings taken a second apart differ in a few bits only; mixing them first gives
// the generator unrelated seeds.
std::uint64_t mixed(std::uint64_t value)
{
    value += 0x9E3779B97F4A7C15ULL;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ULL;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBULL;
    return value ^ (value >> 31);
}

} // namespace

ClockSeededRandom::ClockSeededRandom(Clock clock)
    : m_clock(clock ? std::move(clock) : Clock(&ClockSeededRandom::systemClock))
{
    seedFromClock();
}

void ClockSeededRandom::seedFromClock()
{
    seed(m_clock());
}

void ClockSeededRandom::seed(std::uint64_t value)
{
    m_engine.seed(mixed(value));
}

double ClockSeededRandom::uniform()
{
    return unitFromBits(m_engine());
}

std::uint64_t ClockSeededRandom::systemClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

double ClockSeededRandom::unitFromBits(std::uint64_t bits)
{
    constexpr double Step = 1.0 / 9007199254740992.0; // 2^-53
    return static_cast<double>(bits >> 11) * Step;
}
