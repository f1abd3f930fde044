// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: 37 number cells to click, the draw counter, the strip of the last
// draws, the level of the least-drawn numbers and the advice row. It mirrors the table.
#pragma once

#include "board/GameSession.h"
#include "board/SideWindows.h"
#include "board/Tables.h"
#include "board/TypedNumber.h"
#include "speech/SpeechQueue.h"

#include <QWidget>
#include <array>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class TablesMenu;
class TextBox;
class SpeechIndicator;
struct GameSummary;

class BoardWindow : public QWidget
{
    Q_OBJECT

public:
    explicit BoardWindow(QWidget* parent = nullptr);

    static constexpr int DozenColumnBoxCount = 6; // three dozens, then three columns

    // The shown table's session.
    GameSession& session() { return *m_session; }
    Tables& tables() { return *m_tables; }
    const Table& table() const { return m_session->table(); }

    TextBox* numberCell(int number) const { return m_numberCells[static_cast<std::size_t>(number)]; }

    TrendWindow* trendWindow(EvenChance pair) const { return m_sideWindows->trendWindow(pair); }
    DozensWindow* dozensWindow() const { return m_sideWindows->dozensWindow(); }
    SimulatorWindow* simulator() const { return m_sideWindows->simulator(); }
    StakeCalculatorWindow* stakeCalculator() const { return m_sideWindows->stakeCalculator(); }
    StatisticsWindow* statisticsWindow() const { return m_sideWindows->statisticsWindow(); }
    AdviceAccountWindow* adviceAccountWindow() const { return m_sideWindows->adviceAccountWindow(); }

    // Replaces the desktop's speech engine (tests); takes effect before the first phrase.
    void setSpeechEngineFactory(SpeechQueue::EngineFactory factory);
    const SpeechQueue& speechQueue() const { return *m_speech; }

    // Games are kept (journal, previous games, export) once a library is given; the
    // program gives its own, kept for the whole run. Without one, nothing is written.
    void keepGamesIn(GameLibrary& library);

    // The board's menu, built once: a right click on the board outside the number cells,
    // the Menu key or Shift+F10.
    QMenu* contextMenu() const { return m_menu; }

public slots:
    // Asks the player to confirm the number and, on Yes, enters it. Returns true when the
    // number was entered.
    bool confirmAndEnter(int number) { return m_session->confirmAndEnter(number); }

    void openHelp();
    void openSimulator() { m_sideWindows->openSimulator(); } // "SIMULER"
    void openStakeCalculator() { m_sideWindows->openStakeCalculator(); } // "M"
    void openStatistics() { m_sideWindows->openStatistics(table()); } // "Statistiques…"
    void openAdviceAccount() { m_sideWindows->openAdviceAccount(table()); } // "Bilan des conseils"

    // The speech indicator's toggle: spoken advice on or off.
    void toggleSpeech();

    // At start-up: asks whether to take up the game an ended program left unfinished, with
    // the other tables it played; true when it was taken up.
    bool offerInterruptedGame();
    // The menu's commands.
    bool undoLastNumber() { return m_session->undoLastNumber(); } // asks first
    void openNumberList();
    // Asks for a file, shows what it holds and, when the player chooses, makes it a new game.
    void importDraws();
    void exportGame();
    void openPreviousGames();
    void newGame() { m_session->newGame(); }
    // Enters numbers in playing order without a question or speech.
    void enterNumbers(const QVector<int>& numbers) { m_session->enterNumbers(numbers); }
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
    bool ask(int table, GameSession::Question question, int number);
    void showEntry();
    void showTable();
    void speakElsewhere(int table);
    void showTitle();
    void showGame();
    void refresh();
    void fitCaptions();
    void placeSpeechIndicator();
    void describeForScreenReaders();
    void takeBackFocus();
    void buildMenu();
    void updateMenu();
    bool typeKey(QKeyEvent* event);
    void tellSaveProblem(const DiskFailure& failure);
    void tellResumed(const GameArchive::Outcome& resumed);
    void tellGameFull();
    void startImportedGame(const QVector<int>& numbers);

    Tables* m_tables = nullptr;
    GameSession* m_session = nullptr; // the shown table's
    TablesMenu* m_tablesMenu = nullptr;
    SideWindows* m_sideWindows = nullptr;
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
    SpeechIndicator* m_speechIndicator = nullptr;
    SpeechQueue* m_speech = nullptr;

    QMenu* m_menu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_exportAction = nullptr;
    QAction* m_previousGamesAction = nullptr;
    bool m_tellingFull = false;
};
