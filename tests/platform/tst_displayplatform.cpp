// SPDX-License-Identifier: GPL-3.0-or-later
// The display platform asked of Qt: XWayland under a Wayland session, unless the player chose.
#include "platform/DisplayPlatform.h"

#include <QTest>

class TestDisplayPlatform : public QObject
{
    Q_OBJECT

private slots:
    void choice_data();
    void choice();
};

void TestDisplayPlatform::choice_data()
{
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("x11Display");
    QTest::addColumn<QByteArray>("chosenPlatform");
    QTest::addColumn<QByteArrayList>("arguments");
    QTest::addColumn<QByteArray>("platform");

    const QByteArrayList none{"tambrel"};
    QTest::addRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray(":0") << QByteArray()
                                 << none << QByteArray();
    QTest::addRow("Wayland display") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0")
                                     << QByteArray() << none << QByteArray("xcb;wayland");
    QTest::addRow("Wayland session type") << QByteArray() << QByteArray("wayland") << QByteArray(":1")
                                          << QByteArray() << none << QByteArray("xcb;wayland");
    QTest::addRow("no XWayland") << QByteArray("wayland-0") << QByteArray("wayland") << QByteArray()
                                 << QByteArray() << none << QByteArray();
    QTest::addRow("QT_QPA_PLATFORM chosen") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0")
                                            << QByteArray("wayland") << none << QByteArray();
    QTest::addRow("-platform given") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0")
                                     << QByteArray() << QByteArrayList{"tambrel", "-platform", "wayland"}
                                     << QByteArray();
    QTest::addRow("--platform given")
        << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray()
        << QByteArrayList{"tambrel", "-reverse", "--platform", "offscreen"} << QByteArray();
    QTest::addRow("other Qt option") << QByteArray("wayland-0") << QByteArray() << QByteArray(":0")
                                     << QByteArray() << QByteArrayList{"tambrel", "-platformtheme", "gtk3"}
                                     << QByteArray("xcb;wayland");
    QTest::addRow("-platform without a name")
        << QByteArray("wayland-0") << QByteArray() << QByteArray(":0") << QByteArray()
        << QByteArrayList{"tambrel", "-platform"} << QByteArray("xcb;wayland");
}

void TestDisplayPlatform::choice()
{
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, x11Display);
    QFETCH(QByteArray, chosenPlatform);
    QFETCH(QByteArrayList, arguments);
    QFETCH(QByteArray, platform);
    const DisplayPlatform::Session session{waylandDisplay, sessionType, x11Display, chosenPlatform};
    QCOMPARE(DisplayPlatform::choose(session, arguments), platform);
}

QTEST_GUILESS_MAIN(TestDisplayPlatform)
#include "tst_displayplatform.moc"
