// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: its tab order, entries through the confirmation box, closing.
#include "board/BoardWindow.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/WindowDump.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestBoardWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBox::clearNextAnswer(); }
    void tabOrderFollowsTheDesign()
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

    void cellActions_data()
    {
        QTest::addColumn<QKeySequence>("keys"); // typed on the focused cell; none: a click on it
        QTest::addColumn<int>("answer"); // to the confirmation box
        QTest::addColumn<bool>("entered");
        QTest::addRow("click, Yes") << QKeySequence() << int(MessageBox::Yes) << true;
        QTest::addRow("Space, Yes") << QKeySequence(Qt::Key_Space) << int(MessageBox::Yes) << true;
        QTest::addRow("click, No") << QKeySequence() << int(MessageBox::No) << false;
        QTest::addRow("letters, Backspace, Delete")
            << QKeySequence("A, B, Backspace, Del") << int(MessageBox::Yes) << false;
    }

    // A click or Space on a cell enters its number once the player says Yes; No, or keys that
    // make no number, leave the board as it was.
    void cellActions()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(int, answer);
        QFETCH(bool, entered);
        BoardWindow board;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        for (const int n : {3, 3, 17, 0}) {
            QVERIFY(enterConfirmed(board, n));
        }
        const QString before = dumpWindow(&board);
        TextBox* cell = board.numberCell(23);
        cell->setFocus();
        MessageBox::setNextAnswer(answer);
        if (keys.isEmpty()) {
            QTest::mouseClick(cell, Qt::LeftButton);
        } else {
            QTest::keySequence(cell, keys);
        }
        QCOMPARE(board.table().draws(),
            (entered ? std::vector<std::uint8_t>{3, 3, 17, 0, 23} : std::vector<std::uint8_t>{3, 3, 17, 0}));
        if (entered) {
            QCOMPARE(control<QLabel>(&board, "stripSquare", 21)->text(), QStringLiteral("23"));
        } else {
            QCOMPARE(dumpWindow(&board), before);
        }
    }

    // The default path of the seam: a real modal box, answered by pressing its buttons, once an
    // answer set for the next box has been used.
    void realConfirmationBox()
    {
        BoardWindow board;
        board.show();
        QVERIFY(QTest::qWaitForWindowExposed(&board));
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.confirmAndEnter(1));

        QString asked;
        whenModalShown<QMessageBox>([&asked](QMessageBox* box) {
            asked = QStringList{box->windowTitle(), box->text(),
                box->icon() == QMessageBox::Information ? "information" : "other",
                box->defaultButton() == box->button(QMessageBox::No) ? "No" : "Yes"}
                        .join(QLatin1Char('|'));
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(board.confirmAndEnter(32));
        QCOMPARE(asked, QStringLiteral("Votre chiffre : |Vous avez choisi le Chiffre :32|information|No"));
        QCOMPARE(board.table().drawCount(), 2);

        // Escape answers No; Return takes the default button, which is No.
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            whenModalShown<QMessageBox>([key](QMessageBox* box) { QTest::keyClick(box, key); });
            QVERIFY(!board.confirmAndEnter(5));
        }
        QCOMPARE(board.table().drawCount(), 2);
        QVERIFY(!MessageBox::isOpen());
    }

    void closingTheBoardEndsTheProgram()
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
};

QTEST_MAIN(TestBoardWindow)
#include "tst_boardwindow.moc"
