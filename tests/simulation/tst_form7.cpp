// The draw simulator window: its layout, its buttons, its draws entered on the board, one
// question at a time, and its life from "SIMULER" to closing.
#include "board/Form1.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "simulation/Form7.h"
#include "support/Controls.h"
#include "support/ScriptedRandom.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestForm7 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void designState();
    void paceThroughTheButtons();
    void startPauseResumeStop();
    void tickDrawsAndEntersOnTheBoard_data();
    void tickDrawsAndEntersOnTheBoard();
    void oneQuestionAtATimeInALongRun();
    void ticksWhileAQuestionIsOpenDrawNothing();
    void closingWhileItsQuestionIsOpen();
    void simulerTwiceLeavesOneWindow();
    void closingAndReopeningGivesTheDesignState();
    void helpOpensTheSimulationPage();
};

namespace {

QPushButton* button(const QWidget* window, const char* name)
{
    return control<QPushButton>(window, QString::fromLatin1(name));
}

Form7* openSimulator(Form1& board)
{
    QTest::mouseClick(button(&board, "Command2"), Qt::LeftButton);
    return board.simulator();
}

void showBoard(Form1& board)
{
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
}

// Every message box in existence: one still inside another's event loop counts too.
QList<QMessageBox*> messageBoxes()
{
    QList<QMessageBox*> boxes;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget)) {
            boxes << box;
        }
    }
    return boxes;
}

// Looks at the message boxes every 50 ms from inside their own event loops, where a test
// cannot otherwise look. While one box is shown, `step` decides what to do with it and
// returns true when the test has seen enough. Boxes stacked on one another stop the
// simulator and are all closed, innermost first, so that the test fails instead of hanging.
struct BoxWatch
{
    template<typename Step>
    BoxWatch(Form1& board, Form7* simulator, Step step)
    {
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, &board, [this, simulator, step]() mutable {
            const QList<QMessageBox*> boxes = messageBoxes();
            mostBoxes = std::max(mostBoxes, static_cast<int>(boxes.size()));
            deepest = std::max(deepest, MessageBox::openCount());
            if (finished || boxes.isEmpty() || !boxes.first()->isVisible()) {
                return;
            }
            if (boxes.size() > 1) {
                simulator->Command3_Click();
                for (auto i = boxes.size() - 1; i >= 0; --i) {
                    boxes[i]->button(QMessageBox::No)->click();
                }
                finished = true;
                return;
            }
            finished = step(boxes.first());
        });
        timer.start();
    }

    QTimer timer;
    int mostBoxes = 0;
    int deepest = 0;
    bool finished = false;
};

QSize pixels(int outerWidth, int outerHeight)
{
    // Outer twips less the designed frame of an ordinary window, 15 twips to the pixel.
    return QSize((outerWidth - 90) / 15, (outerHeight - 375) / 15);
}

} // namespace

void TestForm7::cleanup()
{
    MessageBox::clearNextAnswer();
    HelpPages::setOpener({});
    QVERIFY(messageBoxes().isEmpty());
}

void TestForm7::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");

    // Twips divided by 15.
    QTest::addRow("Command1") << "Command1" << QRect(3, 5, 114, 28) << "Lancer la simulation";
    QTest::addRow("Command5") << "Command5" << QRect(120, 0, 17, 33) << "";
    QTest::addRow("Label1") << "Label1" << QRect(20, 37, 62, 40) << "";
    QTest::addRow("Complus") << "Complus" << QRect(148, 6, 32, 26) << "+";
    QTest::addRow("Command2") << "Command2" << QRect(181, 6, 32, 26) << "-";
    QTest::addRow("Text1") << "Text1" << QRect(219, 7, 23, 24) << "5";
    QTest::addRow("Label2") << "Label2" << QRect(254, 12, 62, 16) << "Seconde(S)";
    QTest::addRow("Command4") << "Command4" << QRect(95, 43, 71, 28) << "Pause !";
    QTest::addRow("Command3") << "Command3" << QRect(180, 42, 114, 28) << "Arreter la simulation";
}

void TestForm7::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);

    Form1 board;
    const auto* simulator = new Form7(&board);
    QWidget* widget = control<QWidget>(simulator, name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(box->text(), text);
    } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(push->text(), text);
    }
}

void TestForm7::designState()
{
    Form1 board;
    const auto* simulator = new Form7(&board);
    QCOMPARE(simulator->windowTitle(), QStringLiteral("Simulation Jeu"));
    QVERIFY(simulator->isWindow());
    QVERIFY(simulator->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(simulator->size(), pixels(2190, 870));

    const auto* timer = control<QTimer>(simulator, "Timer1");
    QVERIFY(timer);
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(button(simulator, "Command1")->isEnabled());
    QVERIFY(!button(simulator, "Command5")->icon().isNull());

    const auto* label1 = control<QLabel>(simulator, "Label1");
    QCOMPARE(Colours::backColour(label1), Colours::Green);
    QCOMPARE(Colours::foreColour(label1), Colours::Black);
    QCOMPARE(label1->alignment(), Qt::AlignCenter);
    QCOMPARE(label1->font().pointSizeF(), 24.0);
    QVERIFY(label1->font().bold());
    QCOMPARE(button(simulator, "Complus")->font().pointSizeF(), 12.0);
    QVERIFY(button(simulator, "Command2")->font().bold());
    QVERIFY(control<QLineEdit>(simulator, "Text1")->font().bold());

    // Compact, the window shows the start and help buttons only.
    const QRect client = simulator->rect();
    QVERIFY(client.contains(button(simulator, "Command1")->geometry()));
    QVERIFY(client.contains(button(simulator, "Command5")->geometry()));
    for (const char* hidden : { "Command4", "Command3", "Complus" }) {
        QVERIFY2(!client.intersects(button(simulator, hidden)->geometry()), hidden);
    }
}

void TestForm7::paceThroughTheButtons()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    QVERIFY(QTest::qWaitForWindowExposed(simulator));
    auto* pace = control<QLineEdit>(simulator, "Text1");
    const auto* timer = control<QTimer>(simulator, "Timer1");

    for (int i = 0; i < 3; ++i) {
        QTest::mouseClick(button(simulator, "Complus"), Qt::LeftButton);
    }
    QCOMPARE(pace->text(), QStringLiteral("8"));
    QCOMPARE(timer->interval(), 8000);

    // Typed by the player: the pace keeps its value until the next "+".
    pace->selectAll();
    QTest::keyClicks(pace, "100");
    QCOMPARE(timer->interval(), 8000);
    QTest::mouseClick(button(simulator, "Complus"), Qt::LeftButton);
    QCOMPARE(pace->text(), QStringLiteral("100"));
    QCOMPARE(timer->interval(), 8000);

    pace->selectAll();
    QTest::keyClicks(pace, "2");
    QTest::mouseClick(button(simulator, "Complus"), Qt::LeftButton);
    QCOMPARE(pace->text(), QStringLiteral("9"));
    QCOMPARE(timer->interval(), 9000);

    for (int i = 0; i < 10; ++i) {
        QTest::mouseClick(button(simulator, "Command2"), Qt::LeftButton);
    }
    QCOMPARE(pace->text(), QStringLiteral("1"));
    QCOMPARE(timer->interval(), 1000);
}

void TestForm7::startPauseResumeStop()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    QVERIFY(QTest::qWaitForWindowExposed(simulator));
    const auto* timer = control<QTimer>(simulator, "Timer1");
    QPushButton* start = button(simulator, "Command1");
    QPushButton* pause = button(simulator, "Command4");

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(timer->isActive());
    QVERIFY(!start->isEnabled());
    QCOMPARE(simulator->size(), pixels(4755, 1530));
    for (QWidget* child : simulator->findChildren<QWidget*>()) {
        QVERIFY2(simulator->rect().intersects(child->geometry()), qPrintable(child->objectName()));
    }

    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(!timer->isActive());
    QCOMPARE(pause->text(), QStringLiteral("Reprendre !"));
    QCOMPARE(simulator->size(), pixels(4755, 1530));

    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(timer->isActive());
    QCOMPARE(pause->text(), QStringLiteral("Pause !"));

    QTest::mouseClick(pause, Qt::LeftButton);
    QTest::mouseClick(button(simulator, "Command3"), Qt::LeftButton);
    QVERIFY(!timer->isActive());
    QVERIFY(start->isEnabled());
    QCOMPARE(simulator->size(), pixels(2190, 870));
    QCOMPARE(pause->text(), QStringLiteral("Reprendre !")); // kept for the next start

    QTest::mouseClick(start, Qt::LeftButton);
    QVERIFY(timer->isActive());
    QCOMPARE(simulator->size(), pixels(4755, 1530));
    QTest::mouseClick(button(simulator, "Command3"), Qt::LeftButton);
}

void TestForm7::tickDrawsAndEntersOnTheBoard_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<ColourCode>("colour");
    QTest::addColumn<int>("answer");

    QTest::addRow("0 on green") << 0 << Colours::DarkGreen << int(MessageBox::Yes);
    QTest::addRow("32 on red") << 32 << Colours::Red << int(MessageBox::Yes);
    QTest::addRow("33 on grey") << 33 << Colours::Grey << int(MessageBox::Yes);
    QTest::addRow("answered No: shown, not entered") << 14 << Colours::Red << int(MessageBox::No);
}

void TestForm7::tickDrawsAndEntersOnTheBoard()
{
    QFETCH(int, number);
    QFETCH(ColourCode, colour);
    QFETCH(int, answer);

    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    simulator->setRandomSource(
        std::make_unique<ScriptedRandom>(QList<double> { ScriptedRandom::valueFor(number) }));

    MessageBox::setNextAnswer(answer);
    simulator->Timer1_Timer();
    const auto* shown = control<QLabel>(simulator, "Label1");
    QCOMPARE(shown->text(), QString::number(number));
    QCOMPARE(Colours::backColour(shown), colour);

    const bool entered = answer == MessageBox::Yes;
    QCOMPARE(board.model().tirage(), entered ? 1 : 0);
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), entered ? QString::number(number) : QString());
}

// Left alone at its fastest pace, the simulator keeps exactly one question open; once the
// question is answered it goes on at its pace. (Qt holds back a timer's next tick while its
// own handler, and so the question it asked, is still running; the ticks that do come while
// a question is open are those of the next test.)
void TestForm7::oneQuestionAtATimeInALongRun()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    for (int i = 0; i < 4; ++i) {
        simulator->Command2_Click();
    }
    const auto* shown = control<QLabel>(simulator, "Label1");

    QString shownAtFirstBox;
    QString shownWhenAnswered;
    QElapsedTimer sinceFirstBox;
    QElapsedTimer sinceAnswer;
    qint64 secondBoxAfter = -1;
    BoxWatch watch(board, simulator, [&](QMessageBox* box) {
        if (!sinceFirstBox.isValid()) {
            sinceFirstBox.start();
            shownAtFirstBox = shown->text();
        } else if (!sinceAnswer.isValid() && sinceFirstBox.elapsed() >= 4500) {
            shownWhenAnswered = shown->text();
            sinceAnswer.start();
            box->button(QMessageBox::Yes)->click();
        } else if (sinceAnswer.isValid() && box->isVisible()) {
            secondBoxAfter = sinceAnswer.elapsed();
            box->button(QMessageBox::No)->click();
            return true;
        }
        return false;
    });
    QTest::mouseClick(button(simulator, "Command1"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(watch.finished, 20000);
    simulator->Command3_Click();

    QCOMPARE(watch.mostBoxes, 1);
    QCOMPARE(watch.deepest, 1);
    QCOMPARE(shownWhenAnswered, shownAtFirstBox);
    QCOMPARE(board.model().tirage(), 1);
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), shownAtFirstBox);
    // The next question came at the simulator's pace after the answer (No: not entered).
    QVERIFY2(secondBoxAfter >= 0 && secondBoxAfter < 2500, qPrintable(QString::number(secondBoxAfter)));
    QCOMPARE(board.model().tirage(), 1);
}

// The player clicked a cell and leaves its question open while the simulator runs: the
// simulator's ticks keep coming and draw nothing, no second question opens, and once the
// player answers, the simulator's next tick draws and asks at its pace.
void TestForm7::ticksWhileAQuestionIsOpenDrawNothing()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    for (int i = 0; i < 4; ++i) {
        simulator->Command2_Click();
    }
    const auto* timer = control<QTimer>(simulator, "Timer1");
    const auto* shown = control<QLabel>(simulator, "Label1");
    QSignalSpy ticks(timer, &QTimer::timeout);

    QElapsedTimer sinceFirstBox;
    QElapsedTimer sinceAnswer;
    int ticksWhileOpen = -1;
    QString shownWhileOpen = QStringLiteral("(not seen)");
    bool secondEntryRefused = false;
    qint64 simulatorBoxAfter = -1;
    QString simulatorDraw;
    BoxWatch watch(board, simulator, [&](QMessageBox* box) {
        if (!sinceFirstBox.isValid()) {
            sinceFirstBox.start();
            // Another entry asked for meanwhile is not started: no box on top of this one.
            // (Should one open, a separate timer closes it so that the test fails, not hangs.)
            bool nestedBoxShown = false;
            QTimer::singleShot(200, &board, [&nestedBoxShown] {
                if (messageBoxes().size() > 1) {
                    nestedBoxShown = true;
                    qobject_cast<QMessageBox*>(QApplication::activeModalWidget())
                        ->button(QMessageBox::No)
                        ->click();
                }
            });
            secondEntryRefused = !board.Text1_Click(20) && !nestedBoxShown;
        } else if (!sinceAnswer.isValid() && sinceFirstBox.elapsed() >= 4500) {
            ticksWhileOpen = static_cast<int>(ticks.count());
            shownWhileOpen = shown->text();
            sinceAnswer.start();
            box->button(QMessageBox::Yes)->click();
        } else if (sinceAnswer.isValid() && box->isVisible()) {
            simulatorBoxAfter = sinceAnswer.elapsed();
            simulatorDraw = shown->text();
            box->button(QMessageBox::Yes)->click();
            return true;
        }
        return false;
    });
    simulator->Command1_Click();
    QTest::mouseClick(board.numberCell(7), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(watch.finished, 20000);
    simulator->Command3_Click();

    QCOMPARE(watch.mostBoxes, 1);
    QCOMPARE(watch.deepest, 1);
    QVERIFY(secondEntryRefused);
    QVERIFY2(ticksWhileOpen >= 3, qPrintable(QString::number(ticksWhileOpen)));
    QCOMPARE(shownWhileOpen, QString());
    QVERIFY2(
        simulatorBoxAfter >= 0 && simulatorBoxAfter < 2500, qPrintable(QString::number(simulatorBoxAfter)));
    QCOMPARE(board.model().tirage(), 2);
    QCOMPARE(control<QLabel>(&board, "Label5", 20)->text(), QStringLiteral("7"));
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), simulatorDraw);
}

// The player closes the simulator while its question is open: the window goes, the
// question still registers its answer, and no further question comes.
void TestForm7::closingWhileItsQuestionIsOpen()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    for (int i = 0; i < 4; ++i) {
        simulator->Command2_Click();
    }
    const QPointer<Form7> watched(simulator);
    QString drawn;
    bool goneWhileOpen = false;
    bool answered = false;
    QElapsedTimer sinceClose;

    QTimer watcher;
    watcher.setInterval(50);
    connect(&watcher, &QTimer::timeout, &board, [&] {
        const QList<QMessageBox*> boxes = messageBoxes();
        if (answered || boxes.isEmpty() || !boxes.first()->isVisible()) {
            return;
        }
        if (!sinceClose.isValid()) {
            drawn = control<QLabel>(watched, "Label1")->text();
            watched->close();
            sinceClose.start();
        } else if (sinceClose.elapsed() >= 1500) {
            goneWhileOpen = watched.isNull();
            answered = true;
            boxes.first()->button(QMessageBox::Yes)->click();
        }
    });
    watcher.start();
    simulator->Command1_Click();

    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QVERIFY(goneWhileOpen);
    QVERIFY(!board.simulator());
    QCOMPARE(board.model().tirage(), 1);
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), drawn);

    // Its timer went with it.
    QTest::qWait(2500);
    QVERIFY(messageBoxes().isEmpty());
    QCOMPARE(board.model().tirage(), 1);
}

void TestForm7::simulerTwiceLeavesOneWindow()
{
    Form1 board;
    showBoard(board);
    Form7* first = openSimulator(board);
    QVERIFY(first);
    QVERIFY(QTest::qWaitForWindowExposed(first));
    Form7* second = openSimulator(board);
    QCOMPARE(second, first);

    int simulators = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("Form7") && window->isVisible()) {
            ++simulators;
        }
    }
    QCOMPARE(simulators, 1);
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(first->isVisible());
}

void TestForm7::closingAndReopeningGivesTheDesignState()
{
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    QVERIFY(QTest::qWaitForWindowExposed(simulator));
    simulator->setRandomSource(
        std::make_unique<ScriptedRandom>(QList<double> { ScriptedRandom::valueFor(9) }));
    simulator->Complus_Click();
    simulator->Command1_Click();
    simulator->Command4_Click();
    MessageBox::setNextAnswer(MessageBox::No);
    simulator->Timer1_Timer();
    QCOMPARE(control<QLabel>(simulator, "Label1")->text(), QStringLiteral("9"));

    simulator->close();
    QTRY_VERIFY(!board.simulator());

    Form7* again = openSimulator(board);
    QVERIFY(again);
    QVERIFY(QTest::qWaitForWindowExposed(again));
    const auto* timer = control<QTimer>(again, "Timer1");
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QCOMPARE(control<QLineEdit>(again, "Text1")->text(), QStringLiteral("5"));
    QCOMPARE(button(again, "Command4")->text(), QStringLiteral("Pause !"));
    QVERIFY(button(again, "Command1")->isEnabled());
    QCOMPARE(control<QLabel>(again, "Label1")->text(), QString());
    QCOMPARE(Colours::backColour(control<QLabel>(again, "Label1")), Colours::Green);
    QCOMPARE(again->size(), pixels(2190, 870));
}

void TestForm7::helpOpensTheSimulationPage()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    showBoard(board);
    Form7* simulator = openSimulator(board);
    QTest::mouseClick(button(simulator, "Command5"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideSimulation.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
}

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
