// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/SideWindows.h"

#include "board/GameSession.h"
#include "board/Tables.h"
#include "dozens/DozensWindow.h"
#include "platform/TopMost.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "simulation/SimulatorWindow.h"
#include "stakes/StakeCalculatorWindow.h"
#include "statistics/AdviceAccountWindow.h"
#include "statistics/StatisticsWindow.h"
#include "trends/TrendWindow.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <climits>

SideWindows::SideWindows(QWidget* board, Tables& tables)
    : QObject(board)
    , m_board(board)
    , m_tables(tables)
{
    // The three trend windows exist from the start, hidden until the first entry.
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        TrendWindow* window = new TrendWindow(static_cast<EvenChance>(pair), board);
        m_trendWindows[static_cast<std::size_t>(pair)] = window;
        m_trendPlaces[static_cast<std::size_t>(pair)] = window->pos();
        m_collapsedHeight = window->height();
        window->installEventFilter(this);
    }

    // Whatever else opens from the board (lists, games, statistics, questions) comes beside it.
    WindowPlacement::placeOpenedWindowsBeside(board);
}

void SideWindows::refresh(const Table& table)
{
    for (TrendWindow* window : m_trendWindows) {
        window->refresh(table.evenChance(window->pair()));
    }
    if (m_dozensWindow) {
        m_dozensWindow->refresh(table.dozenColumns());
    }
}

// The trend windows come with the first entry and the dozens and columns window is made
// then; every entry shows it again, even after the player closed it. With no number left,
// the board is back as at start-up.
void SideWindows::showGame(const Table& table)
{
    for (TrendWindow* window : m_trendWindows) {
        if (table.evenChance(window->pair()).isShown()) {
            TopMost::show(window);
        } else {
            window->hide();
        }
    }
    // The statistics follow every change of the game while they show.
    if (m_statisticsWindow && m_statisticsWindow->isVisible()) {
        m_statisticsWindow->refresh(table.statistics());
    }
    if (m_adviceAccountWindow && m_adviceAccountWindow->isVisible()) {
        m_adviceAccountWindow->refresh(table.adviceAccount());
    }
    if (table.drawCount() == 0) {
        if (m_dozensWindow) {
            m_dozensWindow->hide();
            m_dozensWindow->deleteLater();
            m_dozensWindow = nullptr;
        }
        return;
    }
    if (!m_dozensWindow) {
        m_dozensWindow = new DozensWindow(m_board);
        m_dozensWindow->refresh(table.dozenColumns());
        m_dozensPlace = m_dozensWindow->pos();
        m_dozensWindow->installEventFilter(this);
    }
    TopMost::show(m_dozensWindow);
}

// The simulator and the stake calculator are made when first asked for, and again after the
// player has closed them; asked for while open, the same window comes up.
void SideWindows::openSimulator()
{
    if (!m_simulator) {
        m_simulator = new SimulatorWindow(m_board);
        // Queued: the simulator's tick is over before the entry asks its question, so the
        // player may close the simulator while the question is open.
        m_simulated = &m_tables.current();
        connect(m_simulator, &SimulatorWindow::started, this, [this] { m_simulated = &m_tables.current(); });
        connect(
            m_simulator, &SimulatorWindow::numberDrawn, this,
            [this](int number) {
                if (m_simulated) {
                    m_simulated->confirmAndEnter(number);
                }
            },
            Qt::QueuedConnection);
        placeBesideBoard(m_simulator, 0);
    }
    TopMost::show(m_simulator);
}

void SideWindows::openStakeCalculator()
{
    if (!m_stakeCalculator) {
        m_stakeCalculator = new StakeCalculatorWindow(m_board);
        placeBesideBoard(m_stakeCalculator, Twips::toPixels(1530) + 16);
    }
    TopMost::show(m_stakeCalculator);
}

// Like the other side windows, the statistics stay above the table's window; closed, they
// come back as they were, brought up to date.
void SideWindows::openStatistics(const Table& table)
{
    if (!m_statisticsWindow) {
        m_statisticsWindow = new StatisticsWindow(m_board);
    }
    m_statisticsWindow->refresh(table.statistics());
    TopMost::show(m_statisticsWindow);
}

// Made when first asked for, like the statistics, and kept up to date while it shows.
void SideWindows::openAdviceAccount(const Table& table)
{
    if (!m_adviceAccountWindow) {
        m_adviceAccountWindow = new AdviceAccountWindow(m_board);
    }
    m_adviceAccountWindow->refresh(table.adviceAccount());
    TopMost::show(m_adviceAccountWindow);
}

void SideWindows::hideTrendWindows()
{
    for (TrendWindow* window : m_trendWindows) {
        window->hide();
    }
}

// The simulator and the stake calculator open to the right of the board (the calculator under
// the running simulator), where they hide neither the board nor the trend windows above it;
// on a narrow screen they stay on it.
void SideWindows::placeBesideBoard(QWidget* window, int below) const
{
    QPoint place(m_board->frameGeometry().right() + 12, m_board->y() + below);
    if (const QScreen* screen = m_board->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window->frameGeometry().size().expandedTo(window->sizeHint());
        place.setX(qBound(area.left(), place.x(), qMax(area.left(), area.right() - size.width())));
        place.setY(qBound(area.top(), place.y(), qMax(area.top(), area.bottom() - size.height())));
    }
    window->move(place);
}

// A window manager draws its frames once the window is shown, before it is exposed.
bool SideWindows::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show:
        // Its platform window is made anew whenever its flags change: watched from each show.
        if (auto* window = qobject_cast<QWidget*>(watched); window && window->windowHandle()) {
            window->windowHandle()->installEventFilter(this);
        }
        stackUnderFrames();
        break;
    case QEvent::Expose:
        stackUnderFrames();
        break;
    default:
        break;
    }
    return false;
}

// The three trend windows, the dozens and columns window below them and the board below it
// stand one under the other, as designed. The design did not foresee the window manager's
// frames: where one frame would cover the window above's contents, the windows below go down
// just as far as it takes. Without frames, every window stays where it was designed. A trend
// window slid open covers those below it, as designed: the stack is that of closed ones.
void SideWindows::stackUnderFrames()
{
    struct Stacked
    {
        QWidget* window;
        QPoint frame; // where its frame stands as designed
    };
    std::array<Stacked, EvenChanceCount + 2> stack{};
    bool framed = true;
    for (std::size_t i = 0; i < stack.size(); ++i) {
        QWidget* window = i < m_trendWindows.size() ? m_trendWindows[i]
            : i == m_trendWindows.size()            ? static_cast<QWidget*>(m_dozensWindow)
                                                    : m_board;
        if (window && window->isVisible()) {
            const QMargins frame = WindowPlacement::frameOf(window);
            framed = framed && !frame.isNull();
            // The trend windows and the board are placed by their frame, the dozens and
            // columns window by its client area.
            const QPoint place = window == m_dozensWindow ? m_dozensPlace - QPoint(frame.left(), frame.top())
                : window == m_board                       ? window->pos()
                                                          : m_trendPlaces[i];
            stack[i] = {window, place};
        }
    }
    // Until the window manager has framed every one of them (or with none at all), nothing
    // is known of their frames.
    if (!framed) {
        return;
    }
    int below = INT_MIN;
    for (const Stacked& stacked : stack) {
        if (!stacked.window) {
            continue;
        }
        const QRect frame = stacked.window->frameGeometry();
        // The board goes down when it must, never up: the player may have put it elsewhere.
        const QPoint place(stacked.frame.x(), qMax(stacked.frame.y(), below));
        if (place != frame.topLeft()) {
            stacked.window->move(place);
        }
        const bool trend = stacked.window != m_dozensWindow && stacked.window != m_board;
        below = place.y() + frame.height() - (trend ? stacked.window->height() - m_collapsedHeight : 0);
    }
}
