// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Widgets.h"

#include "platform/Pictures.h"
#include "platform/Twips.h"

#include <QCoreApplication>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QTableWidgetItem>
#include <QTextLayout>

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

// A text box never shows a cursor or a selection, and dozens of them are repainted at every
// entry (the history boxes shift, and boxes overlap their neighbours by a pixel): each is
// drawn from a kept picture of its look, made the first time that look is asked for.
namespace {

// Everything a text box's picture depends on.
struct BoxLook
{
    QSize size;
    qreal ratio;
    QRgb base;
    QRgb ink;
    QRgb window; // the frame is drawn in shades of the window and highlight colours
    QRgb highlight;
    int state;
    int alignment;
    size_t font;
    QString text;

    bool operator==(const BoxLook& other) const
    {
        return size == other.size && ratio == other.ratio && base == other.base && ink == other.ink
            && window == other.window && highlight == other.highlight && state == other.state
            && alignment == other.alignment && font == other.font && text == other.text;
    }
};

size_t qHash(const BoxLook& look, size_t seed = 0)
{
    return qHashMulti(seed, look.size.width(), look.size.height(), look.base, look.ink, look.window,
        look.highlight, look.state, look.alignment, look.font, look.text);
}

// A few hundred looks cover a whole game (37 numbers, a handful of marks, their colours);
// the pictures are dropped all at once should they ever pass this many.
constexpr qsizetype MostBoxPictures = 4096;

QHash<BoxLook, QPixmap>& boxPictures()
{
    static QHash<BoxLook, QPixmap> pictures;
    return pictures;
}

} // namespace

// The box never shows a cursor or a selection, so it is drawn as a picture of its frame and
// text, made once for each look and kept: the histories repaint dozens of these boxes at
// every entry, and a line edit's own painting (antialiased frame, text layout, cursor) was most
// of what an entry cost on the screen.
void TextBox::paintEvent(QPaintEvent*)
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const BoxLook look{size(), devicePixelRatioF(), palette().color(QPalette::Base).rgba(),
        palette().color(QPalette::Text).rgba(), palette().color(QPalette::Window).rgba(),
        palette().color(QPalette::Highlight).rgba(), static_cast<int>(panel.state),
        static_cast<int>(alignment() & Qt::AlignHorizontal_Mask), qHash(font()), text()};

    QHash<BoxLook, QPixmap>& pictures = boxPictures();
    auto found = pictures.constFind(look);
    if (found == pictures.constEnd()) {
        // The text laid out and placed as the line edit itself does it.
        QTextLayout layout(look.text, font());
        QTextOption option;
        option.setTextDirection(layoutDirection());
        option.setFlags(QTextOption::IncludeTrailingSpaces);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine textLine = layout.createLine();
        layout.endLayout();

        const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
        const QFontMetrics metrics(font());
        const int margin = 2; // the line edit's own margin on either side of its text
        const int textHeight = qMax(metrics.boundingRect(look.text).height(), metrics.height());
        const QRect line(contents.x() + margin, contents.y() + (contents.height() - textHeight + 1) / 2,
            contents.width() - 2 * margin, textHeight);
        const int leftBearing = qMax(0, -metrics.minLeftBearing());
        const int widthUsed = qRound(textLine.naturalTextWidth()) + 1 + qMax(0, -metrics.minRightBearing());
        int scroll = 0;
        if (leftBearing + widthUsed > line.width()) {
            // Wider than its box (a large mark in a narrow cell): the line edit shows the end of
            // the text, where its cursor stands after the text was set.
            scroll = qRound(textLine.naturalTextWidth()) - line.width() + 1;
        } else {
            if (look.alignment & Qt::AlignRight) {
                scroll = widthUsed - line.width() + 1;
            } else if (look.alignment & Qt::AlignHCenter) {
                scroll = (widthUsed - line.width()) / 2;
            }
            scroll -= leftBearing;
        }

        QPixmap picture(look.size * look.ratio);
        picture.setDevicePixelRatio(look.ratio);
        // Opaque, on the window's own colour, as the box stands: text is then smoothed the
        // same way as when drawn straight on the window.
        picture.fill(QColor::fromRgba(look.window));
        QPainter painter(&picture);
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
        painter.setClipRect(contents);
        painter.setPen(QColor::fromRgba(look.ink));
        layout.draw(&painter, line.topLeft() - QPoint(scroll, qRound(textLine.ascent()) - metrics.ascent()));
        painter.end();
        if (pictures.size() >= MostBoxPictures) {
            pictures.clear();
        }
        found = pictures.insert(look, picture);
    }
    QPainter(this).drawPixmap(0, 0, *found);
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
    // A caption too long for the face inside its frame has its letters drawn closer together,
    // in the same font, rather than losing its last letter past the board's edge.
    const int count = static_cast<int>(caption.size());
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    const int lineHeight = qMin(metrics.height(), (height() - 2 * frame) / count);
    const int total = lineHeight * count;
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

QPushButton* makeHelpButton(QWidget* parent, int left, int top, int width, int height, const QString& tip)
{
    auto* button = new QPushButton(parent);
    nameControl(button, QStringLiteral("helpButton"));
    Twips::place(button, left, top, width, height);
    button->setIcon(Pictures::helpBulb());
    button->setIconSize(button->size() - QSize(4, 4));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setAutoDefault(false);
    return button;
}

int fitLabel(QLabel* label, const QRect& designed, const QRect& room)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    QRect place = designed;
    if (needed > designed.width()) {
        place.setWidth(qMin(needed, qMax(designed.width(), room.width())));
        if (label->alignment() & Qt::AlignHCenter) {
            place.moveLeft(designed.center().x() - place.width() / 2);
        }
        place.moveLeft(qBound(room.left(), place.left(), room.right() + 1 - place.width()));
    }
    if (label->geometry() != place) {
        label->setGeometry(place);
    }
    return needed;
}

namespace {

// Closes its window when Escape reaches it: pressed on the window, or on a control that left
// the key to it.
class EscapeCloser : public QObject
{
public:
    explicit EscapeCloser(QWidget* window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape
            && static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            static_cast<QWidget*>(watched)->close();
            return true;
        }
        return false;
    }
};

} // namespace

void closeOnEscape(QWidget* window)
{
    new EscapeCloser(window);
}

int textEnd(const QWidget* widget, const QString& text)
{
    // A text box's frame and margin stand before its text.
    const int margin = qobject_cast<const QLineEdit*>(widget) ? 4 : 0;
    return widget->x() + margin + widget->fontMetrics().tightBoundingRect(text).right() + 1;
}

namespace {

// What a screen reader says of a blank cell rather than nothing.
QString blankCellName()
{
    return QCoreApplication::translate("Widgets", "sans objet");
}

} // namespace

QTableWidgetItem* makeFigureCell()
{
    auto* item = new QTableWidgetItem;
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(Qt::AccessibleTextRole, blankCellName());
    return item;
}

void showFigure(QTableWidgetItem* cell, const QString& text)
{
    if (cell->text() != text) {
        cell->setText(text);
        cell->setData(Qt::AccessibleTextRole, text.isEmpty() ? QVariant(blankCellName()) : QVariant());
    }
}
