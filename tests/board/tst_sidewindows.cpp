// SPDX-License-Identifier: GPL-3.0-or-later
// The windows around the board: when they come, that they come back after the player closed
// them, their help pages, the focus going back to the board, the trend windows' slide and the
// blinks on real timers.
#include "board/BoardWindow.h"
#include "dozens/DozensWindow.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "simulation/SimulatorWindow.h"
#include "stakes/StakeCalculatorWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

// The side window by its design name, made as the player would make it appear.
QWidget* sideWindow(BoardWindow& board, const QString& name)
{
    if (name == QLatin1String("simulatorWindow")) {
        board.openSimulator();
        return board.simulator();
    }
    if (name == QLatin1String("stakeCalculatorWindow")) {
        board.openStakeCalculator();
        return board.stakeCalculator();
    }
    if (name == QLatin1String("dozensWindow")) {
        return board.dozensWindow();
    }
    return board.findChild<QWidget*>(name);
}

ColourCode back(const QWidget* window, const char* name, int index = -1)
{
    return Colours::backColour(control<QWidget>(window, QString::fromLatin1(name), index));
}

} // namespace

class TestSideWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void cleanup() { HelpPages::setOpener(nullptr); }
    void life_data();
    void life();
    void focusGoesBackToTheBoard();
    void slideOpensAndCloses();
    void blinksOnRealTimers();
};

void TestSideWindows::life_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("helpButton");
    QTest::addColumn<QString>("helpPage");
    QTest::addColumn<bool>("comesBackAtEntries"); // or when its board button is pressed again
    const char* rows[][4] = {{"board", "boardWindow", "helpButton", "AideGenerale.html"},
        {"colour", "colourTrendWindow", "helpButton", "AideSimple.html"},
        {"passe/manque", "passeManqueTrendWindow", "helpButton", "AideSimple.html"},
        {"pair/impair", "pairImpairTrendWindow", "helpButton", "AideSimple.html"},
        {"dozens", "dozensWindow", "helpButton", "AideCD.html"},
        {"simulator", "simulatorWindow", "helpButton", "AideSimulation.html"},
        {"stakes", "stakeCalculatorWindow", "helpButton", "AideMise.html"}};
    for (const auto& row : rows) {
        const QString window = QString::fromLatin1(row[1]);
        QTest::addRow("%s", row[0]) << window << QString::fromLatin1(row[2]) << QString::fromLatin1(row[3])
                                    << (window != QLatin1String("simulatorWindow")
                                           && window != QLatin1String("stakeCalculatorWindow"));
    }
}

// Before the first entry only the board shows; after it, every side window. Help opens the
// window's page and changes nothing; a closed window comes back with what it showed.
void TestSideWindows::life()
{
    QFETCH(QString, window);
    QFETCH(QString, helpButton);
    QFETCH(QString, helpPage);
    QFETCH(bool, comesBackAtEntries);
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(!board.dozensWindow());
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(!board.trendWindow(static_cast<EvenChance>(pair))->isVisible());
    }
    QVERIFY(enterConfirmed(board, 9));
    QPointer<QWidget> side = window == QLatin1String("boardWindow") ? &board : sideWindow(board, window);
    QVERIFY(side);
    QTRY_VERIFY(side->isVisible());

    QTest::mouseClick(control<QPushButton>(side, helpButton), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), helpPage);
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
    QCOMPARE(board.table().drawCount(), 1);
    if (side == &board) {
        return;
    }

    // Closed, the trend and dozen windows come back at the next entry as they were; the
    // simulator and the stake calculator are made afresh by their buttons.
    side->close();
    QTRY_VERIFY(!side || !side->isVisible());
    if (comesBackAtEntries) {
        QVERIFY(enterConfirmed(board, 10));
        QCOMPARE(sideWindow(board, window), side.data());
    } else {
        QTRY_VERIFY(!side);
        QVERIFY(sideWindow(board, window));
    }
    QTRY_VERIFY(sideWindow(board, window)->isVisible());
}

// The player clicked into a side window, then entered a number: the board has the focus back.
void TestSideWindows::focusGoesBackToTheBoard()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(enterConfirmed(board, 9));
    DozensWindow* window = board.dozensWindow();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    QVERIFY(enterConfirmed(board, 10));
    QTRY_VERIFY(board.isActiveWindow());
    QVERIFY(window->isVisible());
}

// The slide opens on the four rows of counters and closes again, the button disabled while it
// moves; entries meanwhile change nothing of it. Ticks are given by hand.
void TestSideWindows::slideOpensAndCloses()
{
    BoardWindow board;
    QVERIFY(enterConfirmed(board, 8));
    TrendWindow* window = board.trendWindow(EvenChance::PasseManque);
    auto* button = control<QPushButton>(window, "slideButton");
    const int collapsed = window->height();
    const QIcon down = button->icon();
    for (const char* tag : {"1", "0"}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->property("Tag").toString(), QString::fromLatin1(tag));
        QVERIFY(enterConfirmed(board, 9));
        for (int tick = 0; tick < 200 && !button->isEnabled(); ++tick) {
            window->slideTick();
        }
        QVERIFY(button->isEnabled());
        QCOMPARE(window->height() > collapsed, tag == QByteArray("1"));
        QVERIFY(!button->icon().isNull());
        QCOMPARE(button->icon().cacheKey() == down.cacheKey(), tag == QByteArray("0"));
    }
    QCOMPARE(window->height(), collapsed);
}

// One smoke test of the board's real 500 ms blink: the dozens, then the two others in yellow.
void TestSideWindows::blinksOnRealTimers()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    for (int n : {2, 6, 10}) {
        QVERIFY(enterConfirmed(board, n));
    }
    QElapsedTimer sinceEntry;
    sinceEntry.start();
    const DozensWindow* window = board.dozensWindow();
    QCOMPARE(back(window, "dozensIndicator"), Colours::InactiveTitleBar);
    QTRY_COMPARE_WITH_TIMEOUT(back(window, "dozensIndicator"), Colours::Red, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 400, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(&board, "dozenColumnBox", 0), Colours::InactiveTitleBar);
    QCOMPARE(back(&board, "dozenColumnBox", 1), Colours::Yellow);
    QCOMPARE(back(&board, "dozenColumnBox", 2), Colours::Yellow);
    QTRY_COMPARE_WITH_TIMEOUT(back(window, "dozensIndicator"), Colours::ButtonFace, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 900, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(window, "columnsIndicator"), Colours::InactiveTitleBar); // columns 2, 3, 1 never ran
}

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
