// SPDX-License-Identifier: GPL-3.0-or-later
// The windows around the board: opens, places, shows and closes the three trend windows, the
// dozens and columns window, the simulator, the stake calculator, the statistics and the
// account of the advice.
#pragma once

#include "simulation/SimulatorWindow.h"
#include "stakes/StakeCalculatorWindow.h"
#include "trends/EvenChance.h"

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>

class AdviceAccountWindow;
class DozensWindow;
class GameSession;
class Tables;
class StatisticsWindow;
class Table;
class TrendWindow;
class QWidget;

class SideWindows : public QObject
{
    Q_OBJECT

public:
    // The windows belong to the board; the simulator's draws go to the table that was shown
    // when the simulator started.
    SideWindows(QWidget* board, Tables& tables);

    TrendWindow* trendWindow(EvenChance pair) const { return m_trendWindows[static_cast<std::size_t>(pair)]; }
    // None before the first entry.
    DozensWindow* dozensWindow() const { return m_dozensWindow; }
    // While they are open; null once closed.
    SimulatorWindow* simulator() const { return m_simulator; }
    StakeCalculatorWindow* stakeCalculator() const { return m_stakeCalculator; }
    // Once the player has opened it.
    StatisticsWindow* statisticsWindow() const { return m_statisticsWindow; }
    AdviceAccountWindow* adviceAccountWindow() const { return m_adviceAccountWindow; }

    // Shows what the table now holds in every window that is there.
    void refresh(const Table& table);
    // After the game changed: the windows an entry shows come up, those of a game with no
    // number go away.
    void showGame(const Table& table);

    void openSimulator();
    void openStakeCalculator();
    void openStatistics(const Table& table);
    void openAdviceAccount(const Table& table);
    // The board closes: the trend windows go with it.
    void hideTrendWindows();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placeBesideBoard(QWidget* window, int below) const;
    void stackUnderFrames();

    QWidget* m_board;
    Tables& m_tables;
    QPointer<GameSession> m_simulated;
    std::array<TrendWindow*, EvenChanceCount> m_trendWindows{};
    DozensWindow* m_dozensWindow = nullptr;
    QPointer<SimulatorWindow> m_simulator;
    QPointer<StakeCalculatorWindow> m_stakeCalculator;
    StatisticsWindow* m_statisticsWindow = nullptr;
    AdviceAccountWindow* m_adviceAccountWindow = nullptr;
    // Where the trend windows' frames and the dozens window's client area were designed.
    std::array<QPoint, EvenChanceCount> m_trendPlaces{};
    QPoint m_dozensPlace;
    int m_collapsedHeight = 0; // of a trend window's contents
};
