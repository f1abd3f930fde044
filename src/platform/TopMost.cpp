// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TopMost.h"

#include <QWidget>

namespace TopMost {

void show(QWidget* window)
{
    window->setAttribute(Qt::WA_ShowWithoutActivating, true);
    if (!window->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        // Changing the flags of a shown window hides it; keep where it stood.
        const QPoint position = window->pos();
        const bool wasVisible = window->isVisible();
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
        if (wasVisible) {
            window->move(position);
        }
    }
    if (!window->isVisible()) {
        window->show();
    } else {
        window->raise();
    }
}

} // namespace TopMost
