// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: entries through the confirmation box, the keyboard, help, closing.
#include "board/BoardWindow.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "support/WindowDump.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestBoardWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void tabOrderFollowsTheDesign();
    void typingIntoACellDoesNothing();
    void clickingACellEntersItsNumber();
    void keyboardEntersTheFocusedCell();
    void answerNoChangesNothing();
    void realConfirmationBox();
    void closingTheBoardEndsTheProgram();
};

void TestBoardWindow::cleanup()
{
    MessageBox::clearNextAnswer();
    HelpPages::setOpener({});
}

void TestBoardWindow::tabOrderFollowsTheDesign()
{
    const BoardWindow board;
    QStringList expected;
    for (int n = 0; n <= 36; ++n) {
        expected << QStringLiteral("numberCell/%1").arg(n);
    }
    for (int box = 0; box < BoardWindow::DozenColumnBoxCount; ++box) {
        expected << QStringLiteral("dozenColumnBox/%1").arg(box);
    }
    expected << QStringLiteral("helpButton/") << QStringLiteral("simulateButton/")
             << QStringLiteral("stakesButton/");

    QStringList actual;
    QWidget* widget = board.numberCell(0);
    for (int i = 0; i < expected.size(); ++i) {
        actual << widget->objectName() + QLatin1Char('/') + widget->property("index").toString();
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget == &board);
    }
    QCOMPARE(actual, expected);
}

void TestBoardWindow::typingIntoACellDoesNothing()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    TextBox* cell = board.numberCell(12);
    cell->setFocus();
    QTest::keyClicks(cell, "abc"); // digits make a number: the keyboard entry's own test
    QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->text(), QStringLiteral("12"));
    QCOMPARE(board.table().drawCount(), 0);
}

void TestBoardWindow::clickingACellEntersItsNumber()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(board.numberCell(7), Qt::LeftButton);
    QCOMPARE(board.table().drawCount(), 1);
    QCOMPARE(control<QLabel>(&board, "drawCountLabel")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(&board, "stripSquare", 21)->text(), QStringLiteral("7"));
    QCOMPARE(Colours::backColour(control<QLabel>(&board, "stripSquare", 21)), Colours::Red);
    QCOMPARE(control<QLabel>(&board, "levelCountLabel")->text(), QStringLiteral("36"));
    QCOMPARE(board.numberCell(7)->toolTip(), QStringLiteral(" 1 Fois Sorti"));
    QCOMPARE(board.numberCell(7)->text(), QStringLiteral("7"));

    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(board.numberCell(0), Qt::LeftButton);
    QCOMPARE(control<QLabel>(&board, "stripSquare", 20)->text(), QStringLiteral("7"));
    QCOMPARE(control<QLabel>(&board, "stripSquare", 21)->text(), QStringLiteral("0"));
    QCOMPARE(Colours::backColour(control<QLabel>(&board, "stripSquare", 21)), Colours::Green);
    QCOMPARE(control<QLabel>(&board, "drawCountLabel")->text(), QStringLiteral("2"));
}

void TestBoardWindow::keyboardEntersTheFocusedCell()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    board.numberCell(23)->setFocus();
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::keyClick(board.numberCell(23), Qt::Key_Space);
    QCOMPARE(board.table().drawCount(), 1);
    QCOMPARE(control<QLabel>(&board, "stripSquare", 21)->text(), QStringLiteral("23"));
}

void TestBoardWindow::answerNoChangesNothing()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    for (const int n : {3, 3, 17, 0}) {
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.confirmAndEnter(n));
    }
    const QString before = dumpWindow(&board);
    const auto drawsBefore = board.table().draws();

    MessageBox::setNextAnswer(MessageBox::No);
    QTest::mouseClick(board.numberCell(3), Qt::LeftButton);
    QCOMPARE(dumpWindow(&board), before);
    QCOMPARE(board.table().draws(), drawsBefore);
    QCOMPARE(board.table().drawCount(), 4);
}

// The default path of the seam: a real modal box, answered by pressing its buttons.
void TestBoardWindow::realConfirmationBox()
{
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    QString title;
    QString prompt;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool noIsDefault = false;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        prompt = box->text();
        icon = box->icon();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(board.confirmAndEnter(32));
    QCOMPARE(title, QStringLiteral("Votre chiffre : "));
    QCOMPARE(prompt, QStringLiteral("Vous avez choisi le Chiffre :32"));
    QCOMPARE(icon, QMessageBox::Information);
    QVERIFY(noIsDefault);
    QCOMPARE(board.table().drawCount(), 1);

    // Escape answers No.
    whenModalShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!board.confirmAndEnter(5));
    QCOMPARE(board.table().drawCount(), 1);

    // Return takes the default button, which is No.
    whenModalShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(!board.confirmAndEnter(5));
    QCOMPARE(board.table().drawCount(), 1);
    QVERIFY(!MessageBox::isOpen());
}

void TestBoardWindow::closingTheBoardEndsTheProgram()
{
    QGuiApplication::setQuitOnLastWindowClosed(false); // only the board's own closing may end it
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    MessageBox::setNextAnswer(MessageBox::Yes);
    QVERIFY(board.confirmAndEnter(8));
    QVERIFY(board.trendWindow(EvenChance::Colour)->isVisible());

    QTimer::singleShot(0, &board, [&board] { board.close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &board, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    const int status = QCoreApplication::exec();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    QCOMPARE(status, 0);
    QVERIFY(!board.isVisible());
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(!board.trendWindow(static_cast<EvenChance>(pair))->isVisible());
    }
}

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
