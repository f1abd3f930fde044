// SPDX-License-Identifier: GPL-3.0-or-later
// The benchmarks that open windows run them on the offscreen platform, set up the way the
// program sets up its desktop. That platform cannot raise a window and says so each time a
// side window is brought up; those two notices are dropped, every other message passes on.
#pragma once

#include "platform/Pictures.h"

#include <QApplication>
#include <QtGlobal>

namespace OffscreenPlatform {

inline QtMessageHandler& previousHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void prepare()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler() = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (type == QtWarningMsg
                && (message == QLatin1String("This plugin does not support raise()")
                    || message == QLatin1String("This plugin does not support propagateSizeHints()"))) {
                return;
            }
            if (QtMessageHandler previous = previousHandler()) {
                previous(type, context, message);
            }
        });
}

} // namespace OffscreenPlatform
