// SPDX-License-Identifier: GPL-3.0-or-later
// The board's menu and the games it keeps: taking back the last number, a list of numbers,
// export, previous games, a new game, the journal of every entry, and the game an ended
// program left unfinished. Whenever the draws change other than by one entry, the table is
// rebuilt from them and every window shows the result once.
#include "board/BoardTexts.h"
#include "board/Form1.h"
#include "dozens/Form5.h"
#include "games/ExportDialog.h"
#include "games/GameLibrary.h"
#include "games/GamesTexts.h"
#include "games/GamesWords.h"
#include "games/NumberListWindow.h"
#include "games/PreviousGamesWindow.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/TopMost.h"
#include "statistics/StatisticsWindow.h"
#include "trends/TrendWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <utility>

namespace {

QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

std::vector<std::uint8_t> drawsOf(const GameRecord& game)
{
    std::vector<std::uint8_t> draws;
    draws.reserve(static_cast<std::size_t>(game.draws.size()));
    for (const Draw& draw : game.draws) {
        draws.push_back(static_cast<std::uint8_t>(draw.number));
    }
    return draws;
}

} // namespace

void Form1::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("menu"));
    m_undoAction = addMenuAction(m_menu, QStringLiteral("undo"), BoardTexts::MenuUndo);
    m_undoAction->setShortcut(QKeySequence::Undo);
    // On the board as well, so that Ctrl+Z works with the menu closed.
    addAction(m_undoAction);
    m_statisticsPlace = m_menu->addSeparator();
    m_numberListAction = addMenuAction(m_menu, QStringLiteral("numberList"), BoardTexts::MenuNumberList);
    m_exportAction = addMenuAction(m_menu, QStringLiteral("export"), BoardTexts::MenuExport);
    m_previousGamesAction
        = addMenuAction(m_menu, QStringLiteral("previousGames"), BoardTexts::MenuPreviousGames);
    m_menu->addSeparator();
    m_newGameAction = addMenuAction(m_menu, QStringLiteral("newGame"), BoardTexts::MenuNewGame);

    connect(m_undoAction, &QAction::triggered, this, &Form1::undoLastNumber);
    connect(m_numberListAction, &QAction::triggered, this, &Form1::openNumberList);
    connect(m_exportAction, &QAction::triggered, this, &Form1::exportGame);
    connect(m_previousGamesAction, &QAction::triggered, this, &Form1::openPreviousGames);
    connect(m_newGameAction, &QAction::triggered, this, &Form1::newGame);
}

void Form1::addStatisticsItem(QAction* statistics)
{
    m_menu->insertAction(m_statisticsPlace, statistics);
}

void Form1::updateMenu()
{
    m_undoAction->setEnabled(m_table.tirage() > 0);
    m_exportAction->setEnabled(m_games != nullptr);
    m_previousGamesAction->setEnabled(m_games != nullptr);
}

void Form1::keepGamesIn(GameLibrary& library)
{
    m_games = &library;
    updateMenu();
}

// A right click on a number cell is not for the menu; the Menu key and Shift+F10 open it
// at the control that has the focus.
void Form1::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QWidget* clicked = childAt(event->pos());
        if (clicked && clicked->objectName() == QLatin1String("Text1")) {
            return;
        }
    } else {
        const QWidget* focused = focusWidget();
        const QWidget* anchor = focused && isAncestorOf(focused) ? focused : this;
        where = anchor->mapToGlobal(anchor->rect().center());
    }
    updateMenu();
    m_menu->popup(where);
}

// Keys typed on the board, whichever of its controls has the focus: digits make a number,
// Enter ends it, Escape forgets it, Shift+F10 opens the menu.
bool Form1::typeKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        return true;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
        return m_typed->clear();
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return m_typed->finish();
    default:
        break;
    }
    if ((modifiers & ~Qt::ShiftModifier) != 0 || event->text().size() != 1) {
        return false;
    }
    const int digit = TypedNumber::digitOf(event->text().at(0));
    if (digit < 0) {
        return false;
    }
    if (!m_typed->digit(digit)) {
        QApplication::beep();
    }
    return true;
}

void Form1::keyPressEvent(QKeyEvent* event)
{
    if (!typeKey(event)) {
        QWidget::keyPressEvent(event);
    }
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && typeKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool Form1::undoLastNumber()
{
    if (m_table.tirage() == 0 || MessageBox::isOpen()) {
        return false;
    }
    keptGames();
    const int last = m_table.draws().back();
    if (MessageBox::show(this, BoardTexts::UndoPrompt.arg(last),
            MessageBox::YesNo | MessageBox::Question | MessageBox::DefaultButton2, Application::title())
        != MessageBox::Yes) {
        return false;
    }
    // The draws are the truth: the table is rebuilt from them, less the last.
    std::vector<std::uint8_t> draws = m_table.draws();
    draws.pop_back();
    m_table.replay(draws);
    showGame();
    if (GameLibrary* games = keptGames()) {
        games->journal().recordUndo();
        tellSaveProblem();
    }
    return true;
}

void Form1::enterNumbers(const QVector<int>& numbers)
{
    QVector<int> entered;
    entered.reserve(numbers.size());
    for (const int number : numbers) {
        if (Roulette::isValidNumber(number)) {
            m_table.enter(number);
            entered.append(number);
        }
    }
    if (entered.isEmpty()) {
        return;
    }
    showGame();
    journalLater(entered);
}

void Form1::openNumberList()
{
    auto* window = new NumberListWindow(this);
    connect(window, &NumberListWindow::numbersChosen, this, &Form1::enterNumbers);
    window->open();
}

void Form1::exportGame()
{
    if (const GameLibrary* games = keptGames()) {
        ExportDialog::exportGame(this, games->journal().game());
    }
}

void Form1::openPreviousGames()
{
    GameLibrary* games = keptGames();
    if (!games) {
        return;
    }
    auto* window = new PreviousGamesWindow(games->archive(), this);
    connect(window, &PreviousGamesWindow::resumeRequested, this, &Form1::resumeGame);
    window->open();
}

void Form1::newGame()
{
    if (GameLibrary* games = keptGames()) {
        games->journal().endGame();
    }
    m_table.replay({});
    showGame();
}

bool Form1::offerInterruptedGame()
{
    GameLibrary* games = keptGames();
    if (!games) {
        return false;
    }
    const std::optional<GameSummary> interrupted = games->archive().findInterrupted();
    if (!interrupted) {
        return false;
    }
    if (MessageBox::show(this, GamesWords::resumeQuestion(*interrupted),
            MessageBox::YesNo | MessageBox::Question, GamesTexts::ResumeTitle)
        != MessageBox::Yes) {
        games->archive().setAside(*interrupted);
        return false;
    }
    resumeGame(*interrupted);
    return m_table.tirage() > 0;
}

// The archive ends the current game first; whatever it then holds is what the board shows,
// an empty game when the chosen one could not be taken up.
void Form1::resumeGame(const GameSummary& game)
{
    GameLibrary* games = keptGames();
    if (!games) {
        return;
    }
    const GameArchive::Outcome resumed = games->archive().resume(game);
    m_table.replay(drawsOf(games->journal().game()));
    showGame();
    const QString told = resumed.done() ? GamesWords::leftOut(resumed) : GamesWords::notResumed(resumed);
    if (!told.isEmpty()) {
        MessageBox::show(this, told, resumed.done() ? MessageBox::Information : MessageBox::Exclamation,
            Application::title());
    }
    tellSaveProblem();
}

// After the table changed other than by one entry: every window as it would be after an
// entry that led there.
void Form1::showGame()
{
    refresh();
    showSideWindows();
    restartBlinkTimers();
    takeBackFocus();
}

// The trend windows come with the first entry, the dozen and column window is made then; with
// no number left, the board is back as at start-up.
void Form1::showSideWindows()
{
    for (TrendWindow* window : m_trendWindows) {
        if (m_table.evenChance(window->pair()).isShown()) {
            TopMost::show(window);
        } else {
            window->hide();
        }
    }
    // The statistics follow every change of the game while they show.
    if (m_statisticsWindow && m_statisticsWindow->isVisible()) {
        m_statisticsWindow->refresh(m_table.statistics());
    }
    if (m_table.tirage() == 0 && m_form5) {
        m_form5->hide();
        m_form5->deleteLater();
        m_form5 = nullptr;
    }
    showForm5();
}

// Confirmed numbers reach the journal once the windows show them, so that the disk never
// delays what the player waits for, and before anything else touches the game: no confirmed
// number is lost once the next entry starts.
void Form1::journalLater(const QVector<int>& numbers)
{
    if (!m_games) {
        return;
    }
    if (m_unwritten.isEmpty()) {
        QTimer::singleShot(0, this, [this] { keptGames(); });
    }
    m_unwritten += numbers;
}

// The games, with every confirmed number written.
GameLibrary* Form1::keptGames()
{
    if (m_games && !m_unwritten.isEmpty()) {
        m_games->journal().recordNumbers(std::exchange(m_unwritten, {}));
        tellSaveProblem();
    }
    return m_games;
}

// Told once, the first time a write fails; the game goes on in memory.
void Form1::tellSaveProblem()
{
    const std::optional<DiskFailure> failure = m_games ? m_games->journal().takeSaveFailure() : std::nullopt;
    if (failure) {
        MessageBox::show(this, GamesWords::notSaved(*failure), MessageBox::Exclamation, Application::title());
    }
}
