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

class FrMise : public QWidget
{
    Q_OBJECT

public:
    explicit FrMise(QWidget* parent = nullptr);

    const StakeModel& model() const { return m_model; }

public slots:
    void Text1_Change(const QString& text); // the starting stake, at every keystroke
    void Command1_Click(); // "Calculer"
    void Command2_Click(); // help
    void Option1_Click(int index);

private:
    void buildControls();
    void Form_Load();
    void refresh();

    StakeModel m_model;

    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    std::array<QLineEdit*, StakeModel::StepCount> m_text2{};
    std::array<QRadioButton*, StakeModel::StepCount> m_option1{};
};
