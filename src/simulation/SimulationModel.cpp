// SPDX-License-Identifier: GPL-3.0-or-later
#include "simulation/SimulationModel.h"

#include "platform/NumberText.h"
#include "roulette/Roulette.h"
#include "simulation/SimulationTexts.h"

#include <algorithm>
#include <limits>

namespace {

// The longest pace a timer can hold, in whole seconds.
constexpr int LongestInterval
    = std::numeric_limits<int>::max() / SimulationModel::OneSecond * SimulationModel::OneSecond;

} // namespace

SimulationModel::SimulationModel(std::unique_ptr<RandomSource> random)
    : m_random(random ? std::move(random) : std::make_unique<ClockSeededRandom>())
    , m_paceText(SimulationTexts::DesignPace)
    , m_pauseCaption(SimulationTexts::pause())
{ }

void SimulationModel::setRandomSource(std::unique_ptr<RandomSource> random)
{
    m_random = random ? std::move(random) : std::make_unique<ClockSeededRandom>();
}

void SimulationModel::start()
{
    m_startEnabled = false;
    m_timerEnabled = true;
}

// The pace and the pause caption keep their values for the next start.
void SimulationModel::stop()
{
    m_startEnabled = true;
    m_timerEnabled = false;
}

void SimulationModel::pauseOrResume()
{
    m_timerEnabled = !m_timerEnabled;
    m_pauseCaption = m_timerEnabled ? SimulationTexts::pause() : SimulationTexts::resume();
}

// The limit is read from the pace box, so a pace typed below 60 lets "+" go one second
// further; typing alone never changes the pace.
void SimulationModel::slower()
{
    if (NumberText::read(m_paceText) >= SlowestPace) {
        return;
    }
    m_interval = std::min(m_interval, LongestInterval - OneSecond) + OneSecond;
    showPace();
}

void SimulationModel::faster()
{
    if (m_interval == OneSecond) {
        return;
    }
    m_interval -= OneSecond;
    showPace();
}

void SimulationModel::typePace(const QString& text)
{
    m_paceText = text;
}

int SimulationModel::draw()
{
    m_random->seedFromClock();
    double value = m_random->uniform() * Roulette::NumberCount;
    // A uniform value is below 1; a source that breaks that promise still gives a number.
    if (!(value >= 0.0)) {
        value = 0.0;
    }
    m_lastDraw = static_cast<int>(std::min(value, static_cast<double>(Roulette::HighestNumber)));
    return m_lastDraw;
}

void SimulationModel::showPace()
{
    m_paceText = NumberText::write(static_cast<double>(m_interval) / OneSecond);
}
