// SPDX-License-Identifier: GPL-3.0-or-later
// The stake calculator: a starting stake and the seven stakes of the progression it starts,
// each twice the one before plus the starting stake.
#pragma once

#include <QLocale>
#include <QString>
#include <array>

class StakeModel
{
public:
    static constexpr int StepCount = 7;
    // Each stake of the progression is twice the one before plus the starting stake: these
    // are the multiples of the starting stake, which the result boxes show at first.
    static constexpr std::array<int, StepCount> Multipliers = {1, 3, 7, 15, 31, 63, 127};

    // The starting stake is read, and the results written, with the locale's decimal separator.
    explicit StakeModel(const QLocale& locale);

    // Every change of the starting stake clears all the results to "0".
    void changeStartingStake(const QString& text);

    // The result boxes are plain boxes the player may type into; nothing reads them back.
    void editResult(int step, const QString& text);

    // "Calculer": each result is its multiplier times the starting stake.
    void calculate();

    // The option buttons under the results: a mark the player may set on one step.
    void selectStep(int step);

    const QString& startingStake() const { return m_startingStake; }
    const QString& result(int step) const { return m_results.at(static_cast<std::size_t>(step)); }
    int selectedStep() const { return m_selectedStep; } // -1 when none is marked

private:
    QLocale m_locale;
    QString m_startingStake;
    std::array<QString, StepCount> m_results;
    int m_selectedStep = -1;
};
