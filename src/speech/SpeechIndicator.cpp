// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechIndicator.h"

#include "speech/SpeechTexts.h"

#include <QPainter>
#include <QPainterPath>

SpeechIndicator::SpeechIndicator(QWidget* parent)
    : QAbstractButton(parent)
{
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setToolTip(SpeechTexts::indicatorTip());
    showState(false);
}

void SpeechIndicator::showState(bool on)
{
    setChecked(on);
    setAccessibleName(on ? SpeechTexts::indicatorOn() : SpeechTexts::indicatorOff());
    setAccessibleDescription(SpeechTexts::indicatorTip());
    update();
}

void SpeechIndicator::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool on = isChecked();

    painter.setPen(QPen(QColor(40, 40, 60), 1));
    painter.setBrush(on ? QColor(255, 236, 140) : QColor(236, 233, 216));
    painter.drawRoundedRect(area, 2, 2);

    // The loudspeaker: a box and its cone, on the left half.
    const qreal w = area.width();
    const qreal h = area.height();
    const qreal x = area.left();
    const qreal y = area.top();
    QPainterPath speaker;
    speaker.moveTo(x + w * 0.15, y + h * 0.38);
    speaker.lineTo(x + w * 0.32, y + h * 0.38);
    speaker.lineTo(x + w * 0.55, y + h * 0.18);
    speaker.lineTo(x + w * 0.55, y + h * 0.82);
    speaker.lineTo(x + w * 0.32, y + h * 0.62);
    speaker.lineTo(x + w * 0.15, y + h * 0.62);
    speaker.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 50));
    painter.drawPath(speaker);

    if (on) {
        painter.setPen(QPen(QColor(30, 30, 50), qMax<qreal>(1.0, w / 14.0)));
        painter.setBrush(Qt::NoBrush);
        for (int wave = 1; wave <= 2; ++wave) {
            const qreal r = w * (0.12 + 0.14 * wave);
            painter.drawArc(QRectF(x + w * 0.5 - r, y + h * 0.5 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
        }
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(area.adjusted(1, 1, -1, -1));
    }
}
