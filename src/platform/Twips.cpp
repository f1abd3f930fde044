// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Twips.h"

#include <QWidget>
#include <cmath>

namespace Twips {

int toPixels(int twips)
{
    return static_cast<int>(std::lround(static_cast<double>(twips) / PerPixel));
}

QRect toPixels(int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

void place(QWidget* widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(left, top, width, height));
}

int frameHeight(Frame frame)
{
    switch (frame) {
    case Frame::ToolWindow:
        return 355;
    case Frame::Window:
        return 375;
    case Frame::None:
        return 0;
    }
    return 0;
}

int frameWidth(Frame frame)
{
    return frame == Frame::None ? 0 : 90;
}

void setClientSizeFromOuter(QWidget* window, int outerWidth, int outerHeight, Frame frame)
{
    const QSize client(toPixels(outerWidth - frameWidth(frame)), toPixels(outerHeight - frameHeight(frame)));
    window->setFixedSize(client);
}

void setClientHeightFromOuter(QWidget* window, int outerHeight, Frame frame)
{
    window->setFixedHeight(toPixels(outerHeight - frameHeight(frame)));
}

} // namespace Twips
