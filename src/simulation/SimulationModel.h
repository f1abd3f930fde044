// The draw simulator: its pace, whether it runs, the size of its window and the last number
// it drew, in the forms its window shows. Entering the number on the board is the window's
// job; the simulator only draws it.
#pragma once

#include "platform/ColourCode.h"
#include "platform/Random.h"

#include <QString>
#include <memory>

class SimulationModel
{
public:
    // Outer window sizes in twips: compact shows only the start and help buttons.
    static constexpr int IdleWidth = 2190;
    static constexpr int IdleHeight = 870;
    static constexpr int RunningWidth = 4755;
    static constexpr int RunningHeight = 1530;

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

    // One tick: seeds the generator again from the clock, draws a number from 0 to 36 and
    // shows it on its colour. Returns the number, for the board to enter.
    int draw();

    bool isStartEnabled() const { return m_startEnabled; }
    bool isTimerEnabled() const { return m_timerEnabled; }
    int interval() const { return m_interval; }
    const QString& paceText() const { return m_paceText; }
    const QString& pauseCaption() const { return m_pauseCaption; }
    int windowWidth() const { return m_windowWidth; }
    int windowHeight() const { return m_windowHeight; }
    const QString& drawCaption() const { return m_drawCaption; }
    ColourCode drawColour() const { return m_drawColour; }

    // The colour a drawn number is shown on.
    static ColourCode colourOfDraw(int number);

private:
    void showPace();
    void setWindowSize(int width, int height);

    std::unique_ptr<RandomSource> m_random;

    bool m_startEnabled = true;
    bool m_timerEnabled = false;
    int m_interval = DesignInterval;
    QString m_paceText;
    QString m_pauseCaption;
    int m_windowWidth = IdleWidth;
    int m_windowHeight = IdleHeight;
    QString m_drawCaption;
    ColourCode m_drawColour;
};
