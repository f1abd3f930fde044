// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator window: plays the wheel at a chosen pace and hands each number to the
// board, which enters it as a click on its cell would, confirmation included. It mirrors
// SimulationModel; closing it unloads it, timer and all.
#pragma once

#include "simulation/SimulationModel.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class Form7 : public QWidget
{
    Q_OBJECT

public:
    // The window belongs to the board that enters its draws.
    explicit Form7(QWidget* board);

    const SimulationModel& model() const { return m_model; }
    void setRandomSource(std::unique_ptr<RandomSource> random);

public slots:
    void Command1_Click(); // start
    void Command2_Click(); // "-": one second faster
    void Command3_Click(); // stop
    void Command4_Click(); // pause / resume
    void Command5_Click(); // help
    void Complus_Click(); // "+": one second slower
    void Timer1_Timer(); // one draw

signals:
    // A number drawn, for the board to enter.
    void numberDrawn(int number);

private:
    void buildControls();
    void refresh();

    SimulationModel m_model;

    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_complus = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QTimer* m_timer1 = nullptr;
};
