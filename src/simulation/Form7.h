// The draw simulator window: plays the wheel at a chosen pace and enters each number on the
// board as a click on its cell would, confirmation included. It mirrors SimulationModel;
// closing it unloads it, timer and all.
#pragma once

#include "simulation/SimulationModel.h"

#include <QPointer>
#include <QWidget>

class Form1;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

class Form7 : public QWidget
{
    Q_OBJECT

public:
    // The window belongs to the board it enters its draws on.
    explicit Form7(Form1* board);

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

private:
    void buildControls();
    void refresh();

    SimulationModel m_model;
    QPointer<Form1> m_board;

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
