// SPDX-License-Identifier: GPL-3.0-or-later
// The offscreen platform warns at every raise of a window, which it cannot do; side windows
// are raised at every entry. This drops those two warnings and passes every other message on.
#pragma once

#include <QtGlobal>

inline QtMessageHandler previousMessageHandler = nullptr;

inline void dropOffscreenWindowWarnings()
{
    previousMessageHandler = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg
                && (message == QLatin1String("This plugin does not support raise()")
                    || message == QLatin1String("This plugin does not support propagateSizeHints()"))) {
                return;
            }
            if (QtMessageHandler previous = previousMessageHandler) {
                previous(type, context, message);
            }
        });
}
