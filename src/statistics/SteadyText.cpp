// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/SteadyText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStyle>

SteadyLabel::SteadyLabel(const QString& longest, QWidget* parent)
    : QLabel(parent)
    , m_longest(longest)
{
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

int SteadyLabel::heightForWidth(int width) const
{
    if (width != m_cachedWidth) {
        const QMargins margins = contentsMargins();
        const int inner = std::max(1, width - margins.left() - margins.right() - 2 * margin());
        const QRect text
            = fontMetrics().boundingRect(QRect(0, 0, inner, QWIDGETSIZE_MAX), Qt::TextWordWrap, m_longest);
        m_cachedWidth = width;
        m_cachedHeight = text.height() + margins.top() + margins.bottom() + 2 * margin();
    }
    return m_cachedHeight;
}

QSize SteadyLabel::sizeHint() const
{
    // As wide as the text on one line, up to a comfortable reading width.
    const int width
        = std::min(fontMetrics().horizontalAdvance(m_longest), 48 * fontMetrics().averageCharWidth());
    return {width, heightForWidth(width)};
}

QSize SteadyLabel::minimumSizeHint() const
{
    const int width = 24 * fontMetrics().averageCharWidth();
    return {width, heightForWidth(width)};
}

SteadyColumn::SteadyColumn(QWidget* parent)
    : QWidget(parent)
    , m_spacing(style()->pixelMetric(QStyle::PM_LayoutVerticalSpacing))
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SteadyColumn::add(SteadyLabel* label)
{
    label->setParent(this);
    m_labels.push_back(label);
    updateGeometry();
    place();
}

int SteadyColumn::heightForWidth(int width) const
{
    int height = 0;
    for (const SteadyLabel* label : m_labels) {
        height += (height > 0 ? m_spacing : 0) + label->heightForWidth(width);
    }
    return height;
}

QSize SteadyColumn::sizeHint() const
{
    int width = 0;
    for (const SteadyLabel* label : m_labels) {
        width = std::max(width, label->sizeHint().width());
    }
    return {width, heightForWidth(width)};
}

QSize SteadyColumn::minimumSizeHint() const
{
    int width = 0;
    for (const SteadyLabel* label : m_labels) {
        width = std::max(width, label->minimumSizeHint().width());
    }
    return {width, heightForWidth(width)};
}

bool SteadyColumn::event(QEvent* event)
{
    // A label's new text lands here; its room is already kept.
    if (event->type() == QEvent::LayoutRequest) {
        place();
        return true;
    }
    return QWidget::event(event);
}

void SteadyColumn::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    place();
}

void SteadyColumn::place()
{
    int top = 0;
    for (SteadyLabel* label : m_labels) {
        const int height = label->heightForWidth(width());
        label->setGeometry(0, top, width(), height);
        top += height + m_spacing;
    }
}
