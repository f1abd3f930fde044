// SPDX-License-Identifier: GPL-3.0-or-later
// The windows around the board: when they come, that they come back after the player closed
// them, their help pages, the focus going back to the board, the trend windows' slide and the
// blinks on real timers.
#include "board/Form1.h"
#include "dozens/Form5.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "simulation/Form7.h"
#include "stakes/FrMise.h"
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
QWidget* sideWindow(Form1& board, const QString& name)
{
    if (name == QLatin1String("Form7")) {
        board.Command2_Click();
        return board.simulator();
    }
    if (name == QLatin1String("FrMise")) {
        board.ComMise_Click();
        return board.stakeCalculator();
    }
    if (name == QLatin1String("Form5")) {
        return board.form5();
    }
    return board.findChild<QWidget*>(name);
}

ColourCode back(const QWidget* window, const char* name)
{
    return Colours::backColour(control<QWidget>(window, QString::fromLatin1(name)));
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
    const char* rows[][4] = {{"board", "Form1", "Command1", "AideGenerale.html"},
        {"colour", "Form2", "Command2", "AideSimple.html"},
        {"passe/manque", "Form3", "Command2", "AideSimple.html"},
        {"pair/impair", "Form4", "Command2", "AideSimple.html"},
        {"dozens", "Form5", "Command2", "AideCD.html"},
        {"simulator", "Form7", "Command5", "AideSimulation.html"},
        {"stakes", "FrMise", "Command2", "AideMise.html"}};
    for (const auto& row : rows) {
        const QString window = QString::fromLatin1(row[1]);
        QTest::addRow("%s", row[0]) << window << QString::fromLatin1(row[2]) << QString::fromLatin1(row[3])
                                    << (window != QLatin1String("Form7")
                                           && window != QLatin1String("FrMise"));
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
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(!board.form5());
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(!board.trendWindow(static_cast<EvenChance>(pair))->isVisible());
    }
    QVERIFY(enterConfirmed(board, 9));
    QPointer<QWidget> side = window == QLatin1String("Form1") ? &board : sideWindow(board, window);
    QVERIFY(side);
    QTRY_VERIFY(side->isVisible());

    QTest::mouseClick(control<QPushButton>(side, helpButton), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), helpPage);
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
    QCOMPARE(board.table().tirage(), 1);
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
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(enterConfirmed(board, 9));
    Form5* window = board.form5();
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
    Form1 board;
    QVERIFY(enterConfirmed(board, 8));
    TrendWindow* window = board.trendWindow(EvenChance::PasseManque);
    auto* button = control<QPushButton>(window, "Command1");
    const int collapsed = window->height();
    const QIcon down = button->icon();
    for (const char* tag : {"1", "0"}) {
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isEnabled());
        QCOMPARE(button->property("Tag").toString(), QString::fromLatin1(tag));
        QVERIFY(enterConfirmed(board, 9));
        for (int tick = 0; tick < 200 && !button->isEnabled(); ++tick) {
            window->Timer1_Timer();
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
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    for (int n : {2, 6, 10}) {
        QVERIFY(enterConfirmed(board, n));
    }
    QElapsedTimer sinceEntry;
    sinceEntry.start();
    const Form5* window = board.form5();
    QCOMPARE(back(window, "Label6"), Colours::InactiveTitleBar);
    QTRY_COMPARE_WITH_TIMEOUT(back(window, "Label6"), Colours::Red, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 400, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(&board, "Text2"), Colours::InactiveTitleBar);
    QCOMPARE(back(&board, "Text3"), Colours::Yellow);
    QCOMPARE(back(&board, "Text4"), Colours::Yellow);
    QTRY_COMPARE_WITH_TIMEOUT(back(window, "Label6"), Colours::ButtonFace, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 900, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(window, "Label5"), Colours::InactiveTitleBar); // columns 2, 3, 1 never ran
}

QTEST_MAIN(TestSideWindows)
#include "tst_sidewindows.moc"
