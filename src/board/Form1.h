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

class Form5;
class Form7;
class FrMise;
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

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    static constexpr int DozenColumnBoxCount = 6; // Text2 to Text7

    const Table& table() const { return m_table; }

    TextBox* numberCell(int number) const { return m_text1[static_cast<std::size_t>(number)]; }

    // Form2 (colour), Form3 (passe/manque), Form4 (pair/impair).
    TrendWindow* trendWindow(EvenChance pair) const { return m_trendWindows[static_cast<std::size_t>(pair)]; }

    // Replaces the desktop's speech engine (tests); takes effect before the first phrase.
    void setSpeechEngineFactory(SpeechQueue::EngineFactory factory);
    const SpeechQueue& speechQueue() const { return *m_speech; }
    // The dozen and column window; none before the first entry.
    Form5* form5() const { return m_form5; }
    // The simulator and the stake calculator while they are open; null once closed.
    Form7* simulator() const;
    FrMise* stakeCalculator() const;
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
    bool Text1_Click(int index);

    void Command1_Click(); // help
    void Command2_Click(); // "SIMULER": the draw simulator
    void ComMise_Click(); // "M": the stake calculator

    // The speech indicator's toggle: spoken advice on or off.
    void basculeParole();

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
    void showForm5();
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

    std::array<TextBox*, Roulette::NumberCount> m_text1{};
    std::array<TextBox*, DozenColumnBoxCount> m_dozenColumnBoxes{}; // Text2..Text7
    std::array<QLabel*, NumberAdvice::MaxCandidates> m_label1{};
    std::array<QLabel*, Table::StripLength> m_label5{};
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_comMise = nullptr;
    std::array<QTimer*, BlinkTimerCount> m_blinkTimers{}; // Timer1..Timer6
    std::array<TrendWindow*, EvenChanceCount> m_trendWindows{};
    SpeechIndicator* m_directSS1 = nullptr;
    SpeechQueue* m_speech = nullptr;
    Form5* m_form5 = nullptr;
    QPointer<Form7> m_form7;
    QPointer<FrMise> m_frMise;
    StatisticsWindow* m_statisticsWindow = nullptr;

    QMenu* m_menu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_statisticsPlace = nullptr; // the separator "Statistiques…" goes before
    QAction* m_numberListAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_previousGamesAction = nullptr;
    QAction* m_newGameAction = nullptr;
};
