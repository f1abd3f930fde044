// SPDX-License-Identifier: GPL-3.0-or-later
// The stake calculator window: a starting stake, "Calculer", and the seven stakes of the
// progression. It mirrors StakeModel; closing it unloads it.
#pragma once

#include "stakes/StakeModel.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class StakeCalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    explicit StakeCalculatorWindow(QWidget* parent = nullptr);

    const StakeModel& model() const { return m_model; }

public slots:
    void changeStartingStake(const QString& text); // at every keystroke
    void calculate(); // "Calculer"
    void openHelp();
    void selectStep(int index);

private:
    void buildControls();
    void refresh();

    StakeModel m_model;

    QLabel* m_promptLabel = nullptr;
    QLabel* m_warningLabel = nullptr;
    QLineEdit* m_stakeBox = nullptr;
    QPushButton* m_calculateButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    std::array<QLineEdit*, StakeModel::StepCount> m_stepBoxes{};
    std::array<QRadioButton*, StakeModel::StepCount> m_stepChoices{};
};
