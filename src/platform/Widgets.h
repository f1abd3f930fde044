// SPDX-License-Identifier: GPL-3.0-or-later
// Small widgets the windows are made of: a read-only text box that reports clicks, and a
// button whose caption reads from top to bottom on a tall narrow face.
#pragma once

#include <QLineEdit>
#include <QPushButton>

class QLabel;
class QTableWidgetItem;

// A text box the player cannot type into. A click, or Return, Enter or Space while it has
// the focus, reports clicked().
class TextBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit TextBox(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_pressed = false;
};

// A push button whose caption is drawn one letter under the other.
class StackedCaptionButton : public QPushButton
{
    Q_OBJECT

public:
    explicit StackedCaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What a screen reader says of a widget; written only when it changes.
void describeForScreenReaders(QWidget* widget, const QString& name, const QString& description = QString());

// Keeps a label's text whole. While the text fits, the label stands where it was designed;
// when it no longer does, the label grows just enough into `room` (free space of its window,
// in its parent's coordinates): a left-aligned label to the right first, a centred one on both
// sides, then whichever way the room allows. Returns the width the text needs.
int fitLabel(QLabel* label, const QRect& designed, const QRect& room);

// Where the ink of a left-aligned text of `widget`'s ends, in its parent's coordinates.
int textEnd(const QWidget* widget, const QString& text);

// Escape closes the tool window, as it does a dialog.
void closeOnEscape(QWidget* window);

// A cell of a table of figures: right-aligned, read only, and named for screen readers while
// it holds nothing.
QTableWidgetItem* makeFigureCell();
// Shows `text` in the cell when it changed; blank, the cell still says it holds nothing.
void showFigure(QTableWidgetItem* cell, const QString& text);

// Names a widget for what it is; an element of a control array also carries its index.
void nameControl(QWidget* widget, const QString& name, int index = -1);

// A window's help button at its place in twips: the light bulb, with `tip` as its tooltip and
// its name for screen readers. A key presses it only when it has the focus.
QPushButton* makeHelpButton(QWidget* parent, int left, int top, int width, int height, const QString& tip);
