// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator: its pace, whether it runs or pauses, and the last number it drew.
// Entering the number on the board is the board's job; the simulator only draws it.
#pragma once

#include "platform/Random.h"

#include <QString>
#include <memory>

class SimulationModel
{
public:
    static constexpr int DesignInterval = 5000; // ms
    static constexpr int OneSecond = 1000; // ms, the step of "+" and "-" and the fastest pace
    static constexpr double SlowestPace = 60; // s: "+" stops once the pace box shows this much

    // Without a source of its own, the simulator draws from the clock-seeded generator.
    explicit SimulationModel(std::unique_ptr<RandomSource> random = nullptr);

    void setRandomSource(std::unique_ptr<RandomSource> random);

    void start(); // "Lancer la simulation"
    void stop(); // "Arreter la simulation"
    void pauseOrResume(); // "Pause !" / "Reprendre !"
    void slower(); // "+"
    void faster(); // "-"
    void typePace(const QString& text); // the player edits the pace box; the pace keeps its value

    // One tick: seeds the generator again from the clock and draws a number from 0 to 36.
    int draw();

    bool isStartEnabled() const { return m_startEnabled; }
    bool isTimerEnabled() const { return m_timerEnabled; }
    int interval() const { return m_interval; }
    const QString& paceText() const { return m_paceText; }
    const QString& pauseCaption() const { return m_pauseCaption; }
    // Started and not yet stopped: the window shows its pace and pause controls.
    bool isRunning() const { return !m_startEnabled; }
    // The last number drawn, -1 before the first draw.
    int lastDraw() const { return m_lastDraw; }

private:
    void showPace();

    std::unique_ptr<RandomSource> m_random;

    bool m_startEnabled = true;
    bool m_timerEnabled = false;
    int m_interval = DesignInterval;
    QString m_paceText;
    QString m_pauseCaption;
    int m_lastDraw = -1;
};
