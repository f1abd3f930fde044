#include "platform/Widgets.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
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

StackedCaptionButton::StackedCaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
{ }

void StackedCaptionButton::paintEvent(QPaintEvent*)
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
        painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignCenter, QString(letter));
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
