// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: 37 number cells to click, the draw counter, the strip of the last
// draws, the level of the least-drawn numbers and the advice row. It mirrors the table.
#pragma once

#include "board/Table.h"
#include "board/TypedNumber.h"
#include "speech/SpeechQueue.h"

#include <QPointer>
#include <QWidget>
#include <array>

class DozensWindow;
class SimulatorWindow;
class StakeCalculatorWindow;
class StatisticsWindow;
class GameLibrary;
class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
class TextBox;
class TrendWindow;
class SpeechIndicator;
struct GameSummary;

class BoardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWindow(QWidget* parent = nullptr);

    static constexpr int DozenColumnBoxCount = 6; // three dozens, then three columns

    const Table& table() const { return m_table; }

    TextBox* numberCell(int number) const { return m_numberCells[static_cast<std::size_t>(number)]; }

    TrendWindow* trendWindow(EvenChance pair) const { return m_trendWindows[static_cast<std::size_t>(pair)]; }

    // Replaces the desktop's speech engine (tests); takes effect before the first phrase.
    void setSpeechEngineFactory(SpeechQueue::EngineFactory factory);
    const SpeechQueue& speechQueue() const { return *m_speech; }
    // The dozen and column window; none before the first entry.
    DozensWindow* dozensWindow() const { return m_dozensWindow; }
    // The simulator and the stake calculator while they are open; null once closed.
    SimulatorWindow* simulator() const;
    StakeCalculatorWindow* stakeCalculator() const;
    // The statistics window, once the player has opened it.
    StatisticsWindow* statisticsWindow() const { return m_statisticsWindow; }

    // Games are kept (journal, previous games, export) once a library is given; the
    // program gives its own, kept for the whole run. Without one, nothing is written.
    void keepGamesIn(GameLibrary& library);

    // The board's menu, built once: a right click on the board outside the number cells,
    // the Menu key or Shift+F10.
    QMenu* contextMenu() const { return m_menu; }
    // The place kept for "Statistiques…": right after "Annuler le dernier numéro".
    void addStatisticsItem(QAction* statistics);

public slots:
    // Asks the player to confirm the number of the clicked cell and, on Yes, registers it.
    // Returns true when the draw was registered.
    bool confirmAndEnter(int number);

    void openHelp();
    void openSimulator(); // "SIMULER"
    void openStakeCalculator(); // "M"

    // The speech indicator's toggle: spoken advice on or off.
    void toggleSpeech();

    // "Statistiques…": the statistics window, made the first time, kept up to date after.
    void openStatistics();

    // At start-up: asks whether to take up the game an ended program left unfinished;
    // true when it was taken up.
    bool offerInterruptedGame();
    // The menu's commands.
    bool undoLastNumber(); // asks first; true when the last number was taken back
    void openNumberList();
    void exportGame();
    void openPreviousGames();
    void newGame();
    // Enters numbers in playing order without a question or speech, then shows the result.
    void enterNumbers(const QVector<int>& numbers);
    // Ends the current game and takes `game` up on the board.
    void resumeGame(const GameSummary& game);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void setTabOrder();
    void refresh();
    void restartBlinkTimers();
    void blinkTimerTick(int timer);
    void placeSpeechIndicator();
    void describeForScreenReaders();
    void placeBesideBoard(QWidget* window, int below);
    void showDozensWindow();
    void takeBackFocus();
    void buildMenu();
    void updateMenu();
    bool typeKey(QKeyEvent* event);
    void showGame();
    void showSideWindows();
    void tellSaveProblem();
    void journalLater(const QVector<int>& numbers);
    GameLibrary* keptGames();

    Table m_table;
    GameLibrary* m_games = nullptr;
    QVector<int> m_unwritten; // confirmed numbers the journal gets once the windows show them
    TypedNumber* m_typed = nullptr;

    std::array<TextBox*, Roulette::NumberCount> m_numberCells{};
    std::array<TextBox*, DozenColumnBoxCount> m_dozenColumnBoxes{};
    std::array<QLabel*, NumberAdvice::MaxCandidates> m_candidateSquares{};
    std::array<QLabel*, Table::StripLength> m_stripSquares{};
    QLabel* m_levelLabel = nullptr;
    QLabel* m_levelCountLabel = nullptr;
    QLabel* m_drawCountLabel = nullptr;
    QLabel* m_adviceRowCaption = nullptr;
    QLabel* m_waitingIndicator = nullptr;
    QPushButton* m_helpButton = nullptr;
    QPushButton* m_simulateButton = nullptr;
    QPushButton* m_stakesButton = nullptr;
    std::array<QTimer*, BlinkTimerCount> m_blinkTimers{};
    std::array<TrendWindow*, EvenChanceCount> m_trendWindows{};
    SpeechIndicator* m_speechIndicator = nullptr;
    SpeechQueue* m_speech = nullptr;
    DozensWindow* m_dozensWindow = nullptr;
    QPointer<SimulatorWindow> m_simulator;
    QPointer<StakeCalculatorWindow> m_stakeCalculator;
    StatisticsWindow* m_statisticsWindow = nullptr;

    QMenu* m_menu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_statisticsPlace = nullptr; // the separator "Statistiques…" goes before
    QAction* m_numberListAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_previousGamesAction = nullptr;
    QAction* m_newGameAction = nullptr;
};
