// SPDX-License-Identifier: GPL-3.0-or-later
// The board's menu and keys: taking back the last number, the statistics, the account of the
// advice, a list of numbers, export, previous games, a new game, numbers typed on the
// keyboard, and the question about the game an ended program left unfinished. The game
// session does what they ask.
#include "board/BoardTexts.h"
#include "board/BoardWindow.h"
#include "board/LanguageMenu.h"
#include "board/TablesMenu.h"
#include "games/ExportDialog.h"
#include "games/GameLibrary.h"
#include "games/GamesTexts.h"
#include "games/GamesWords.h"
#include "games/NumberListWindow.h"
#include "games/PreviousGamesWindow.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

namespace {

QAction* addMenuAction(QMenu* menu, const QString& name, const QString& text)
{
    auto* action = new QAction(text, menu);
    action->setObjectName(name);
    menu->addAction(action);
    return action;
}

} // namespace

void BoardWindow::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("menu"));
    m_undoAction = addMenuAction(m_menu, QStringLiteral("undo"), BoardTexts::menuUndo());
    m_undoAction->setShortcut(QKeySequence::Undo);
    // On the board as well, so that Ctrl+Z works with the menu closed.
    addAction(m_undoAction);
    QAction* statistics = addMenuAction(m_menu, QStringLiteral("statistics"), BoardTexts::menuStatistics());
    statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(statistics); // Ctrl+T with the menu closed
    QAction* account
        = addMenuAction(m_menu, QStringLiteral("adviceAccount"), BoardTexts::menuAdviceAccount());
    account->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    addAction(account);
    connect(account, &QAction::triggered, this, &BoardWindow::openAdviceAccount);
    m_menu->addSeparator();
    QAction* numberList = addMenuAction(m_menu, QStringLiteral("numberList"), BoardTexts::menuNumberList());
    QAction* import = addMenuAction(m_menu, QStringLiteral("import"), BoardTexts::menuImport());
    import->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    addAction(import); // Ctrl+O with the menu closed
    m_exportAction = addMenuAction(m_menu, QStringLiteral("export"), BoardTexts::menuExport());
    m_previousGamesAction
        = addMenuAction(m_menu, QStringLiteral("previousGames"), BoardTexts::menuPreviousGames());
    m_menu->addSeparator();
    QAction* newGame = addMenuAction(m_menu, QStringLiteral("newGame"), BoardTexts::menuNewGame());
    m_tablesMenu = new TablesMenu(m_menu, this, *m_tables);
    m_menu->addSeparator();
    new LanguageMenu(m_menu, this);

    connect(m_undoAction, &QAction::triggered, this, &BoardWindow::undoLastNumber);
    connect(statistics, &QAction::triggered, this, &BoardWindow::openStatistics);
    connect(numberList, &QAction::triggered, this, &BoardWindow::openNumberList);
    connect(import, &QAction::triggered, this, &BoardWindow::importDraws);
    connect(m_exportAction, &QAction::triggered, this, &BoardWindow::exportGame);
    connect(m_previousGamesAction, &QAction::triggered, this, &BoardWindow::openPreviousGames);
    connect(newGame, &QAction::triggered, this, &BoardWindow::newGame);
}

void BoardWindow::updateMenu()
{
    m_undoAction->setEnabled(table().drawCount() > 0);
    m_exportAction->setEnabled(m_session->keepsGames());
    m_previousGamesAction->setEnabled(m_session->keepsGames());
}

void BoardWindow::keepGamesIn(GameLibrary& library)
{
    m_tables->keepGamesIn(library);
    updateMenu();
}

// A right click on a number cell is not for the menu; the Menu key and Shift+F10 open it
// at the control that has the focus.
void BoardWindow::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept();
    QPoint where = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QWidget* clicked = childAt(event->pos());
        if (clicked && clicked->objectName() == QLatin1String("numberCell")) {
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
bool BoardWindow::typeKey(QKeyEvent* event)
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

void BoardWindow::keyPressEvent(QKeyEvent* event)
{
    if (!typeKey(event)) {
        QWidget::keyPressEvent(event);
    }
}

bool BoardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && typeKey(static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BoardWindow::openNumberList()
{
    auto* window = new NumberListWindow(this, m_session->roomLeft());
    connect(window, &NumberListWindow::numbersChosen, this,
        [this](const QVector<int>& numbers) { m_session->enterNumbers(numbers); });
    window->open();
}

void BoardWindow::exportGame()
{
    m_session->writeConfirmedNumbers();
    if (const GameJournal* journal = m_session->journal()) {
        ExportDialog::exportGame(this, journal->game());
    }
}

void BoardWindow::openPreviousGames()
{
    m_session->writeConfirmedNumbers();
    GameArchive* archive = m_session->archive();
    if (!archive) {
        return;
    }
    auto* window = new PreviousGamesWindow(*archive, this);
    connect(window, &PreviousGamesWindow::resumeRequested, this, &BoardWindow::resumeGame);
    window->open();
}

bool BoardWindow::offerInterruptedGame()
{
    const QVector<GameSummary> interrupted = m_tables->findInterrupted();
    if (interrupted.isEmpty()) {
        return false;
    }
    if (MessageBox::show(this, GamesWords::resumeQuestion(interrupted),
            MessageBox::YesNo | MessageBox::Question,
            interrupted.size() == 1 ? GamesTexts::resumeTitle() : GamesTexts::resumeTablesTitle())
        != MessageBox::Yes) {
        m_tables->setAside(interrupted);
        return false;
    }
    for (const GameArchive::Outcome& resumed : m_tables->resume(interrupted)) {
        tellResumed(resumed);
    }
    return table().drawCount() > 0;
}

void BoardWindow::resumeGame(const GameSummary& game)
{
    if (m_session->keepsGames()) {
        tellResumed(m_session->resume(game));
    }
}

void BoardWindow::tellResumed(const GameArchive::Outcome& resumed)
{
    const QString told = resumed.done() ? GamesWords::leftOut(resumed) : GamesWords::notResumed(resumed);
    if (!told.isEmpty()) {
        MessageBox::show(this, told, resumed.done() ? MessageBox::Information : MessageBox::Exclamation,
            Application::title());
    }
}

// Told once, the first time a write fails; the game goes on in memory.
void BoardWindow::tellSaveProblem(const DiskFailure& failure)
{
    MessageBox::show(this, GamesWords::notSaved(failure), MessageBox::Exclamation, Application::title());
}
