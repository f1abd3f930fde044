// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator window: each tick draws a number for the board, which enters it as a
// click would, one question at a time; its buttons drive its timer.
#include "board/Form1.h"
#include "simulation/Form7.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/ScriptedRandom.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

class TestForm7 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBox::clearNextAnswer(); }

    // A tick's draw reaches the board through its event loop and is asked on a real box, as
    // the player's click would be. While it is open, a click on a cell starts no second entry
    // and a tick draws nothing; the next tick after the answer draws. The player may close the
    // simulator while its question is open: the window goes at once and the answer counts.
    void oneQuestionAtATime()
    {
        Form1 board;
        board.show();
        board.Command2_Click();
        const QPointer<Form7> simulator = board.simulator();
        simulator->setRandomSource(std::make_unique<ScriptedRandom>(
            QList<double>{ScriptedRandom::valueFor(9), ScriptedRandom::valueFor(23)}));
        QSignalSpy drawn(simulator.get(), &Form7::numberDrawn);
        bool clickEntered = true;
        whenModalShown<QMessageBox>([&](QMessageBox* box) {
            MessageBox::setNextAnswer(MessageBox::Yes); // a second question would take it
            clickEntered = board.Text1_Click(20);
            MessageBox::clearNextAnswer();
            simulator->Timer1_Timer();
            box->button(QMessageBox::Yes)->click();
        });
        simulator->Timer1_Timer();
        QCOMPARE(control<QLabel>(simulator, "Label1")->text(), QStringLiteral("9"));
        QCOMPARE(board.table().tirage(), 0);
        QTRY_COMPARE(board.table().tirage(), 1);
        QVERIFY(!clickEntered);
        QCOMPARE(drawn.size(), 1);

        simulator->Command1_Click();
        bool goneWhileOpen = false;
        whenModalShown<QMessageBox>([&](QMessageBox* box) {
            simulator->close();
            QTimer::singleShot(200, box, [&goneWhileOpen, &simulator, box] {
                goneWhileOpen = simulator.isNull();
                box->button(QMessageBox::Yes)->click();
            });
        });
        simulator->Timer1_Timer();
        QTRY_COMPARE(board.table().tirage(), 2);
        QVERIFY(goneWhileOpen);
        QVERIFY(!board.simulator());
        QCOMPARE(board.table().draws(), (std::vector<std::uint8_t>{9, 23}));
    }

    // The one test of real time, through the buttons: at its fastest pace the simulator draws
    // about once a second; paused or stopped, it draws no more.
    void buttonsDriveTheRealTimer()
    {
        QWidget board;
        auto* simulator = new Form7(&board);
        auto* pause = control<QPushButton>(simulator, "Command4");
        for (int i = 0; i < 4; ++i) {
            control<QPushButton>(simulator, "Command2")->click();
        }
        QSignalSpy drawn(simulator, &Form7::numberDrawn);
        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(simulator, "Command1")->click();
        QVERIFY(!control<QPushButton>(simulator, "Command1")->isEnabled());
        QVERIFY(drawn.wait(5000));
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("Reprendre !"));
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 1);
        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("Pause !"));
        QTRY_COMPARE_WITH_TIMEOUT(drawn.size(), 2, 5000);
        control<QPushButton>(simulator, "Command3")->click();
        QVERIFY(control<QPushButton>(simulator, "Command1")->isEnabled());
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 2);
    }
};

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
