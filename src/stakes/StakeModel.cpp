// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/StakeModel.h"

#include "platform/NumberText.h"
#include "stakes/StakeTexts.h"

StakeModel::StakeModel(const QLocale& locale)
    : m_locale(locale)
    , m_startingStake(StakeTexts::DesignStake)
{
    for (std::size_t step = 0; step < m_results.size(); ++step) {
        m_results[step] = QString::number(Multipliers[step]);
    }
}

void StakeModel::changeStartingStake(const QString& text)
{
    m_startingStake = text;
    m_results.fill(StakeTexts::Cleared);
}

void StakeModel::editResult(int step, const QString& text)
{
    if (step >= 0 && step < StepCount) {
        m_results[static_cast<std::size_t>(step)] = text;
    }
}

void StakeModel::calculate()
{
    const double stake = NumberText::read(m_startingStake, m_locale);
    for (std::size_t step = 0; step < m_results.size(); ++step) {
        // A product beyond the range of a double is written as a text, never as "inf".
        m_results[step] = NumberText::write(Multipliers[step] * stake, m_locale);
    }
}

void StakeModel::selectStep(int step)
{
    if (step >= 0 && step < StepCount) {
        m_selectedStep = step;
    }
}
