// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator window: each tick draws a number for the board, which enters it as a
// click would, one question at a time; its buttons drive its timer.
#include "board/BoardWindow.h"
#include "platform/Random.h"
#include "simulation/SimulatorWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>

namespace {

// Draws the numbers a test chooses, in turn.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(QList<int> numbers)
        : m_numbers(std::move(numbers))
    { }
    void seedFromClock() override { }
    double uniform() override { return m_numbers.isEmpty() ? 0.0 : (m_numbers.takeFirst() + 0.5) / 37.0; }

private:
    QList<int> m_numbers;
};

} // namespace

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
        simulator->setRandomSource(std::make_unique<ScriptedRandom>(QList<int>{9, 23}));
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

    // Started while one table shows, the simulator draws for it while another shows; started
    // again, for the table then shown.
    void drawsGoToTheTableShownAtStart()
    {
        BoardWindow board;
        board.openSimulator();
        SimulatorWindow* simulator = board.simulator();
        simulator->setRandomSource(std::make_unique<ScriptedRandom>(QList<int>{9, 23}));
        simulator->start();
        board.tables().add();
        MessageBox::setNextAnswer(MessageBox::Yes);
        simulator->drawTick();
        QTRY_COMPARE(board.tables().at(0).table().drawCount(), 1);
        QCOMPARE(board.table().drawCount(), 0);
        simulator->start();
        MessageBox::setNextAnswer(MessageBox::Yes);
        simulator->drawTick();
        QTRY_COMPARE(board.table().drawCount(), 1);
        QCOMPARE(board.tables().at(0).table().drawCount(), 1);
    }

    // The one test of real time, through the buttons: at its fastest pace the simulator draws
    // about once a second; paused or stopped, it draws no more. (Their captions and states are
    // in the golden file.)
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
        QVERIFY(drawn.wait(5000));
        QVERIFY2(clock.elapsed() >= 500, qPrintable(QString::number(clock.elapsed())));
        pause->click();
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 1);
        pause->click();
        QTRY_COMPARE_WITH_TIMEOUT(drawn.size(), 2, 5000);
        control<QPushButton>(simulator, "stopButton")->click();
        QTest::qWait(1500);
        QCOMPARE(drawn.size(), 2);
    }
};

QTEST_MAIN(TestSimulatorWindow)
#include "tst_simulatorwindow.moc"
