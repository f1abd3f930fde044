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

class SimulatorWindow : public QWidget
{
    Q_OBJECT

public:
    // The window belongs to the board that enters its draws.
    explicit SimulatorWindow(QWidget* board);

    const SimulationModel& model() const { return m_model; }
    void setRandomSource(std::unique_ptr<RandomSource> random);

public slots:
    void start();
    void faster(); // "-": one second faster
    void stop();
    void pauseOrResume();
    void openHelp();
    void slower(); // "+": one second slower
    void drawTick(); // one draw

signals:
    // A number drawn, for the board to enter.
    void numberDrawn(int number);
    // The draws start, or start again after a stop.
    void started();

private:
    void buildControls();
    void refresh();

    SimulationModel m_model;

    QPushButton* m_startButton = nullptr;
    QPushButton* m_fasterButton = nullptr;
    QPushButton* m_stopButton = nullptr;
    QPushButton* m_pauseButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_slowerButton = nullptr;
    QLabel* m_drawnNumberLabel = nullptr;
    QLabel* m_unitLabel = nullptr;
    QLineEdit* m_paceBox = nullptr;
    QTimer* m_drawTimer = nullptr;
};
