// SPDX-License-Identifier: GPL-3.0-or-later
// The windows around the board: when they come, that they come back after the player closed
// them, their help pages and the blinks on real timers (the slide of the trend windows is in the
// golden file; the focus going back to the board, in app/frames.sh under a window manager).
#include "board/BoardWindow.h"
#include "dozens/DozensWindow.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
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
    } else if (name == QLatin1String("stakeCalculatorWindow")) {
        board.openStakeCalculator();
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
    void life_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("helpPage");
        const char* rows[][3] = {{"board", "boardWindow", "AideGenerale.html"},
            {"colour", "colourTrendWindow", "AideSimple.html"},
            {"passe/manque", "passeManqueTrendWindow", "AideSimple.html"},
            {"pair/impair", "pairImpairTrendWindow", "AideSimple.html"},
            {"dozens", "dozensWindow", "AideCD.html"},
            {"simulator", "simulatorWindow", "AideSimulation.html"},
            {"stakes", "stakeCalculatorWindow", "AideMise.html"}};
        for (const auto& row : rows) {
            QTest::addRow("%s", row[0]) << QString::fromLatin1(row[1]) << QString::fromLatin1(row[2]);
        }
    }

    // Help opens the window's page and changes nothing; a closed window comes back with what it
    // showed. (The golden file shows which windows an entry brings.)
    void life()
    {
        QFETCH(QString, window);
        QFETCH(QString, helpPage);
        QList<QUrl> opened;
        HelpPages::setOpener([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        BoardWindow board;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        QVERIFY(enterConfirmed(board, 9));
        QPointer<QWidget> side = window == QLatin1String("boardWindow") ? &board : sideWindow(board, window);
        QVERIFY(side);
        QTRY_VERIFY(side->isVisible());

        QTest::mouseClick(control<QPushButton>(side, "helpButton"), Qt::LeftButton);
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
        if (window.endsWith(QLatin1String("TrendWindow")) || window == QLatin1String("dozensWindow")) {
            QVERIFY(enterConfirmed(board, 10));
            QCOMPARE(sideWindow(board, window), side.data());
        } else {
            QTRY_VERIFY(!side);
            QVERIFY(sideWindow(board, window));
        }
        QTRY_VERIFY(sideWindow(board, window)->isVisible());
    }

    // One smoke test of the board's real 500 ms blink: the dozens, then the two others in yellow.
    void blinksOnRealTimers()
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
};

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
