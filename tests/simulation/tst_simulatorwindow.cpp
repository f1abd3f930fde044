// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator window: each tick draws a number for the board, which enters it as a
// click would, one question at a time; its buttons drive its timer.
#include "board/BoardWindow.h"
#include "simulation/SimulatorWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/ScriptedRandom.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

class TestSimulatorWindow : public QObject
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
        BoardWindow board;
        board.show();
        board.openSimulator();
        const QPointer<SimulatorWindow> simulator = board.simulator();
        simulator->setRandomSource(std::make_unique<ScriptedRandom>(
            QList<double>{ScriptedRandom::valueFor(9), ScriptedRandom::valueFor(23)}));
        QSignalSpy drawn(simulator.get(), &SimulatorWindow::numberDrawn);
        bool clickEntered = true;
        whenModalShown<QMessageBox>([&](QMessageBox* box) {
            MessageBox::setNextAnswer(MessageBox::Yes); // a second question would take it
            clickEntered = board.confirmAndEnter(20);
            MessageBox::clearNextAnswer();
            simulator->drawTick();
            box->button(QMessageBox::Yes)->click();
        });
        simulator->drawTick();
        QCOMPARE(control<QLabel>(simulator, "drawnNumberLabel")->text(), QStringLiteral("9"));
        QCOMPARE(board.table().drawCount(), 0);
        QTRY_COMPARE(board.table().drawCount(), 1);
        QVERIFY(!clickEntered);
        QCOMPARE(drawn.size(), 1);

        simulator->start();
        bool goneWhileOpen = false;
        whenModalShown<QMessageBox>([&](QMessageBox* box) {
            simulator->close();
            QTimer::singleShot(200, box, [&goneWhileOpen, &simulator, box] {
                goneWhileOpen = simulator.isNull();
                box->button(QMessageBox::Yes)->click();
            });
        });
        simulator->drawTick();
        QTRY_COMPARE(board.table().drawCount(), 2);
        QVERIFY(goneWhileOpen);
        QVERIFY(!board.simulator());
        QCOMPARE(board.table().draws(), (std::vector<std::uint8_t>{9, 23}));
    }

    // The one test of real time, through the buttons: at its fastest pace the simulator draws
    // about once a second; paused or stopped, it draws no more.
    void buttonsDriveTheRealTimer()
    {
        QWidget board;
        auto* simulator = new SimulatorWindow(&board);
        auto* pause = control<QPushButton>(simulator, "pauseButton");
        for (int i = 0; i < 4; ++i) {
            control<QPushButton>(simulator, "fasterButton")->click();
        }
        QSignalSpy drawn(simulator, &SimulatorWindow::numberDrawn);
        QElapsedTimer clock;
        clock.start();
        control<QPushButton>(simulator, "startButton")->click();
        QVERIFY(!control<QPushButton>(simulator, "startButton")->isEnabled());
        QVERIFY(drawn.wait(5000));
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("Reprendre !"));
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 1);
        pause->click();
        QCOMPARE(pause->text(), QStringLiteral("Pause !"));
        QTRY_COMPARE_WITH_TIMEOUT(drawn.size(), 2, 5000);
        control<QPushButton>(simulator, "stopButton")->click();
        QVERIFY(control<QPushButton>(simulator, "startButton")->isEnabled());
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 2);
    }
};

QTEST_MAIN(TestSimulatorWindow)
#include "tst_simulatorwindow.moc"
