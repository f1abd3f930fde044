#include "platform/Widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>

TextBox::TextBox(QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setTextMargins(0, 0, 0, 0);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        setFocus(Qt::MouseFocusReason);
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_pressed) {
        m_pressed = false;
        event->accept();
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click is two clicks for the board, not a word selection.
    mousePressEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        emit clicked();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

// Boxes overlap their neighbours by a pixel, so a box is repainted along that edge whenever
// a neighbour changes: at every entry for the history boxes. Everything a line edit draws
// after its frame is clipped to its text area; when the area to repaint misses the text
// area, the frame is all there is to draw, and the text is not laid out for nothing.
void TextBox::paintEvent(QPaintEvent* event)
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect textArea = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    if (event->region().intersects(textArea)) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
}

StackedCaptionButton::StackedCaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{ }

// The button's edges are overlapped by neighbours that change at every entry, which has the
// button repainted along a one-pixel strip each time. Only the letters whose ink can reach
// the area being repainted are laid out and drawn; the others would leave no pixel there.
void StackedCaptionButton::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QString caption = text();
    if (caption.isEmpty()) {
        return;
    }
    const QFontMetrics metrics(font());
    const int lineHeight = metrics.height();
    const int total = lineHeight * static_cast<int>(caption.size());
    int top = (height() - total) / 2;
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    for (const QChar letter : caption) {
        const QRect line(0, top, width(), lineHeight);
        // Where the letter's ink falls when it is centred on its line, with room for
        // rounding and antialiasing.
        const QRect ink = metrics.boundingRect(letter)
                              .translated((width() - metrics.horizontalAdvance(letter)) / 2,
                                  top + (lineHeight - metrics.height()) / 2 + metrics.ascent())
                              .adjusted(-2, -2, 2, 2);
        if (event->region().intersects(ink)) {
            painter.drawText(line, Qt::AlignCenter, QString(letter));
        }
        top += lineHeight;
    }
}

void nameControl(QWidget* widget, const QString& name, int index)
{
    widget->setObjectName(name);
    if (index >= 0) {
        widget->setProperty("index", index);
    }
}

void describeForScreenReaders(QWidget* widget, const QString& name, const QString& description)
{
    if (widget->accessibleName() != name) {
        widget->setAccessibleName(name);
    }
    if (widget->accessibleDescription() != description) {
        widget->setAccessibleDescription(description);
    }
}
