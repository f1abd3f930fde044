// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowPlacement.h"

#include <QChildEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>

namespace WindowPlacement {

namespace {

// The space left between two windows, as a window manager leaves between tiled windows.
constexpr int Gap = 4;

// Watches the anchor's children as they are made, and each of its windows as it shows.
class OpenedWindowsPlacer : public QObject
{
public:
    explicit OpenedWindowsPlacer(QWidget* anchor)
        : QObject(anchor)
        , m_anchor(anchor)
    {
        anchor->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_anchor && event->type() == QEvent::ChildAdded) {
            // Only windows are watched: the anchor's own controls pass by untouched.
            QObject* child = static_cast<QChildEvent*>(event)->child();
            if (child->isWidgetType() && static_cast<QWidget*>(child)->isWindow()) {
                child->installEventFilter(this);
            }
        } else if (event->type() == QEvent::Show && watched != m_anchor && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            const Qt::WindowType type = window->windowType();
            // A window placed by the program (the side windows, a window the player moved
            // and that shows again) keeps its place; Qt's own centring does not count.
            if ((type == Qt::Window || type == Qt::Dialog || type == Qt::Tool)
                && !window->testAttribute(Qt::WA_Moved)) {
                placeBeside(window, m_anchor);
            }
        }
        return false;
    }

private:
    QWidget* m_anchor;
};

} // namespace

QMargins frameOf(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
        frame.bottom() - client.bottom()};
}

void placeBeside(QWidget* window, const QWidget* anchor)
{
    const QMargins own = frameOf(window);
    const QMargins frame = own.isNull() ? frameOf(anchor) : own;
    const QRect board = anchor->frameGeometry();
    const QScreen* screen = anchor->screen();
    const QRect area = screen ? screen->availableGeometry() : board.united(window->frameGeometry());

    // The room on each side of the anchor: right, left, below, above.
    const std::array<QRect, 4> rooms{
        QRect(QPoint(board.right() + 1 + Gap, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(board.left() - 1 - Gap, area.bottom())),
        QRect(QPoint(area.left(), board.bottom() + 1 + Gap), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), board.top() - 1 - Gap)),
    };
    // The first side where the window fits, else the first where it fits made smaller, else
    // the side with the most room.
    const QSize outer = window->size().grownBy(frame);
    const QSize smallest = window->minimumSizeHint().expandedTo(window->minimumSize()).grownBy(frame);
    const auto fits = [](const QRect& room, QSize size) {
        return room.width() >= size.width() && room.height() >= size.height();
    };
    auto chosen
        = std::find_if(rooms.begin(), rooms.end(), [&](const QRect& room) { return fits(room, outer); });
    if (chosen == rooms.end()) {
        chosen = std::find_if(
            rooms.begin(), rooms.end(), [&](const QRect& room) { return fits(room, smallest); });
    }
    if (chosen == rooms.end()) {
        const auto roomArea = [](const QRect& room) {
            return static_cast<qint64>(qMax(0, room.width())) * qMax(0, room.height());
        };
        chosen = std::max_element(rooms.begin(), rooms.end(),
            [&](const QRect& a, const QRect& b) { return roomArea(a) < roomArea(b); });
    }
    if (!fits(*chosen, outer)) {
        window->resize(outer.boundedTo(chosen->size()).shrunkBy(frame).expandedTo(smallest.shrunkBy(frame)));
    }
    const QSize placed = window->size().grownBy(frame);
    // Level with the anchor's top (or its left, above and below it), kept on the screen.
    QPoint place = chosen->topLeft();
    if (chosen <= rooms.begin() + 1) {
        place.setY(board.top());
    } else {
        place.setX(board.left());
    }
    if (chosen == rooms.begin() + 1) {
        place.setX(chosen->right() + 1 - placed.width());
    } else if (chosen == rooms.begin() + 3) {
        place.setY(chosen->bottom() + 1 - placed.height());
    }
    place.setX(qBound(area.left(), place.x(), qMax(area.left(), area.right() + 1 - placed.width())));
    place.setY(qBound(area.top(), place.y(), qMax(area.top(), area.bottom() + 1 - placed.height())));
    // Placed by its client area: the window manager draws the frame around it.
    window->setGeometry(QRect(place + QPoint(frame.left(), frame.top()), window->size()));
}

void placeOpenedWindowsBeside(QWidget* anchor)
{
    new OpenedWindowsPlacer(anchor);
}

} // namespace WindowPlacement
