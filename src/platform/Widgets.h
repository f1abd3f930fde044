// SPDX-License-Identifier: GPL-3.0-or-later
// Small widgets the windows are made of: a read-only text box that reports clicks, and a
// button whose caption reads from top to bottom on a tall narrow face.
#pragma once

#include <QLineEdit>
#include <QPushButton>

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

// Names a widget for what it is; an element of a control array also carries its index.
void nameControl(QWidget* widget, const QString& name, int index = -1);

// A window's help button at its place in twips: the light bulb, with `tip` as its tooltip and
// its name for screen readers. A key presses it only when it has the focus.
QPushButton* makeHelpButton(QWidget* parent, int left, int top, int width, int height, const QString& tip);
