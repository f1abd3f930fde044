// SPDX-License-Identifier: GPL-3.0-or-later
// The display platform asked of Qt: XWayland under a Wayland session, unless the player chose.
#include "platform/DisplayPlatform.h"

#include <QTest>

using Session = DisplayPlatform::Session;
Q_DECLARE_METATYPE(Session)

class TestDisplayPlatform : public QObject
{
    Q_OBJECT

private slots:
    void choice_data()
    {
        QTest::addColumn<Session>("session"); // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("platform");
        const QByteArrayList none{"tambrel"};
        const QByteArray xwayland = "xcb;wayland";
        QTest::addRow("X11") << Session{"", "x11", ":0", ""} << none << QByteArray();
        QTest::addRow("Wayland display") << Session{"wayland-0", "", ":0", ""} << none << xwayland;
        QTest::addRow("Wayland session type") << Session{"", "wayland", ":1", ""} << none << xwayland;
        QTest::addRow("no XWayland") << Session{"wayland-0", "wayland", "", ""} << none << QByteArray();
        QTest::addRow("QT_QPA_PLATFORM") << Session{"wayland-0", "", ":0", "wayland"} << none << QByteArray();
        QTest::addRow("-platform") << Session{"wayland-0", "", ":0", ""}
                                   << QByteArrayList{"tambrel", "-platform", "wayland"} << QByteArray();
        QTest::addRow("--platform") << Session{"wayland-0", "", ":0", ""}
                                    << QByteArrayList{"tambrel", "-reverse", "--platform", "offscreen"}
                                    << QByteArray();
        QTest::addRow("-platformtheme") << Session{"wayland-0", "", ":0", ""}
                                        << QByteArrayList{"tambrel", "-platformtheme", "gtk3"} << xwayland;
    }

    void choice()
    {
        QFETCH(Session, session);
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, platform);
        QCOMPARE(DisplayPlatform::choose(session, arguments), platform);
    }
};

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
