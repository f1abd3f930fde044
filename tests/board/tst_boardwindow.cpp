// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: its tab order, entries by click, Space or typed numbers through the
// confirmation box, closing.
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
        // Typed on the focused cell 23: '@' is a click on it, '~' a second passing, '\n' Enter,
        // '\x1b' Escape, '\b' Backspace; then the answer to the confirmation box, and the number
        // entered (-1: the board stays as it was).
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("entered");
        const int yes = MessageBox::Yes;
        QTest::addRow("click, Yes") << "@" << 0 << yes << 23;
        QTest::addRow("Space, Yes") << " " << 0 << yes << 23;
        QTest::addRow("click, No") << "@" << 0 << int(MessageBox::No) << -1;
        QTest::addRow("letters, Backspace") << "AB\b" << 0 << yes << -1;
        QTest::addRow("0") << "0" << 0 << yes << 0;
        QTest::addRow("3, a second passes") << "3~" << 0 << yes << 3;
        QTest::addRow("3 Enter") << "3\n" << 0 << yes << 3;
        QTest::addRow("17") << "17" << 0 << yes << 17;
        QTest::addRow("36 on the number pad") << "36" << int(Qt::KeypadModifier) << yes << 36;
        QTest::addRow("37 refused") << "37~" << 0 << yes << -1;
        QTest::addRow("3 Escape") << "3\x1b~" << 0 << yes << -1;
        QTest::addRow("French keyboard 17") << "&è" << 0 << yes << 17;
    }

    // A click, Space or a number typed on a cell enters a number once the player says Yes; No,
    // or keys that make no number, leave the board as it was.
    void cellActions()
    {
        QFETCH(QString, keys);
        QFETCH(int, modifier);
        QFETCH(int, answer);
        QFETCH(int, entered);
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
        for (const QChar key : keys) {
            if (key == '@') {
                QTest::mouseClick(cell, Qt::LeftButton);
            } else if (key == '~') {
                board.findChild<TypedNumber*>()->waitOver();
            } else {
                const int code = key == '\n' ? int(Qt::Key_Return)
                    : key == '\x1b'          ? int(Qt::Key_Escape)
                    : key == '\b'            ? int(Qt::Key_Backspace)
                                             : key.toUpper().unicode();
                const QString text = key == '\n' || key == '\x1b' || key == '\b' ? QString() : QString(key);
                QTest::sendKeyEvent(QTest::Click, cell, Qt::Key(code), text, Qt::KeyboardModifiers(modifier));
            }
        }
        std::vector<std::uint8_t> draws{3, 3, 17, 0};
        if (entered >= 0) {
            draws.push_back(static_cast<std::uint8_t>(entered));
            QCOMPARE(control<QLabel>(&board, "stripSquare", 21)->text(), QString::number(entered));
        } else {
            QCOMPARE(dumpWindow(&board), before);
        }
        QCOMPARE(board.table().draws(), draws);
    }

    // The default path of the seam: a real modal box, beside the board, answered by pressing
    // its buttons, once an answer set for the next box has been used.
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
                box->defaultButton() == box->button(QMessageBox::No) ? "No" : "Yes",
                box->frameGeometry().intersects(box->parentWidget()->frameGeometry()) ? "over" : "beside"}
                        .join(QLatin1Char('|'));
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(board.confirmAndEnter(32));
        QCOMPARE(
            asked, QStringLiteral("Votre chiffre : |Vous avez choisi le Chiffre :32|information|No|beside"));
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
