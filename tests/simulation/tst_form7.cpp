// The draw simulator window: its layout, its buttons, its draws entered on the board one
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
    void startPauseResumeStop();
    void tickDrawsAndEntersOnTheBoard_data();
    void tickDrawsAndEntersOnTheBoard();
    void oneQuestionAtATime();
    void closingWhileItsQuestionIsOpen();
    void simulerTwiceThenClosingAndReopening();
};

namespace {

QPushButton* button(const QWidget* window, const char* name)
{
    return control<QPushButton>(window, QString::fromLatin1(name));
}

// The board shown, and its simulator opened by "SIMULER" at its fastest pace or its design one.
Form7* openSimulator(Form1& board, bool fastest = false)
{
    if (!board.isVisible()) {
        board.show();
    }
    QTest::mouseClick(button(&board, "Command2"), Qt::LeftButton);
    Form7* simulator = board.simulator();
    for (int i = 0; fastest && i < 4; ++i) {
        simulator->Command2_Click();
    }
    return simulator;
}

// Every message box alive: one still inside another's event loop counts too.
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

// What the simulator shows and how its timer stands, in one line.
QString stateOf(const Form7* simulator)
{
    const auto* timer = control<QTimer>(simulator, "Timer1");
    const auto* shown = control<QLabel>(simulator, "Label1");
    return QStringLiteral("%1 s, timer %2 %3, start %4, %5, [%6] on %7, %8x%9")
        .arg(control<QLineEdit>(simulator, "Text1")->text(), timer->isActive() ? "on" : "off")
        .arg(timer->interval())
        .arg(button(simulator, "Command1")->isEnabled() ? "on" : "off", button(simulator, "Command4")->text(),
            shown->text())
        .arg(Colours::backColour(shown), 0, 16)
        .arg(simulator->width())
        .arg(simulator->height());
}

// Outer twips less the designed frame of an ordinary window (90 x 375), 15 twips a pixel.
const QString DesignState = QStringLiteral("5 s, timer off 5000, start on, Pause !, [] on c000, 140x33");

// Looks at the message boxes every 50 ms from inside their own event loops, where a test
// cannot otherwise look. While one box is shown, `step` decides what to do with it and
// returns true once the test has seen enough. Boxes stacked on one another stop the
// simulator and are all answered No, innermost first, so that the test fails, not hangs.
struct BoxWatch
{
    template<typename Step>
    BoxWatch(Form1& board, Step step)
    {
        timer.setInterval(50);
        QObject::connect(&timer, &QTimer::timeout, &board, [this, &board, step]() mutable {
            const QList<QMessageBox*> boxes = messageBoxes();
            mostBoxes = std::max(mostBoxes, static_cast<int>(boxes.size()));
            deepest = std::max(deepest, MessageBox::openCount());
            if (finished || boxes.isEmpty() || !boxes.first()->isVisible()) {
                return;
            }
            if (boxes.size() > 1) {
                board.simulator()->Command3_Click();
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
    QWidget* widget = control<QWidget>(new Form7(&board), name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->property("text").toString(), text); // label, box or button
}

// The buttons, pressed from the keyboard (which reaches them even off the compact window),
// drive the real timer and the window's size.
void TestForm7::startPauseResumeStop()
{
    Form1 board;
    Form7* simulator = openSimulator(board);
    const QList<std::pair<const char*, QString>> steps{
        {"Complus", "6 s, timer off 6000, start on, Pause !, [] on c000, 140x33"},
        {"Command1", "6 s, timer on 6000, start off, Pause !, [] on c000, 311x77"},
        {"Command4", "6 s, timer off 6000, start off, Reprendre !, [] on c000, 311x77"},
        {"Command4", "6 s, timer on 6000, start off, Pause !, [] on c000, 311x77"},
        {"Command2", "5 s, timer on 5000, start off, Pause !, [] on c000, 311x77"},
        {"Command3", "5 s, timer off 5000, start on, Pause !, [] on c000, 140x33"},
    };
    for (const auto& [name, state] : steps) {
        button(simulator, name)->setFocus();
        QTest::keyClick(button(simulator, name), Qt::Key_Space);
        QCOMPARE(stateOf(simulator), state);
    }
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
    Form7* simulator = openSimulator(board);
    simulator->setRandomSource(
        std::make_unique<ScriptedRandom>(QList<double>{ScriptedRandom::valueFor(number)}));
    MessageBox::setNextAnswer(answer);
    simulator->Timer1_Timer();
    const auto* shown = control<QLabel>(simulator, "Label1");
    QCOMPARE(shown->text(), QString::number(number));
    QCOMPARE(Colours::backColour(shown), colour);

    const bool entered = answer == MessageBox::Yes;
    QCOMPARE(board.model().tirage(), entered ? 1 : 0);
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), entered ? QString::number(number) : QString());
}

// A long unattended run at the fastest pace, with real timers and real boxes. The player
// clicked a cell and leaves its question open: the simulator's ticks keep coming and draw
// nothing, and no second question opens. Answered, the simulator asks its own question at
// its pace; left open, that one too stays alone. Once answered, its number is entered.
void TestForm7::oneQuestionAtATime()
{
    Form1 board;
    Form7* simulator = openSimulator(board, true);
    const auto* shown = control<QLabel>(simulator, "Label1");
    QSignalSpy ticks(control<QTimer>(simulator, "Timer1"), &QTimer::timeout);

    QElapsedTimer sinceFirstBox;
    QElapsedTimer sinceAnswer;
    int ticksWhileOpen = -1;
    QString shownWhileOpen = QStringLiteral("(not seen)");
    bool secondEntryRefused = false;
    qint64 simulatorBoxAfter = -1;
    QString simulatorDraw;
    BoxWatch watch(board, [&](QMessageBox* box) {
        if (!sinceFirstBox.isValid()) {
            sinceFirstBox.start();
            // Another entry asked for meanwhile is not started. (Should a box open, a
            // separate timer answers it, so that the test fails instead of hanging.)
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
        } else if (sinceAnswer.isValid() && simulatorBoxAfter < 0) {
            simulatorBoxAfter = sinceAnswer.elapsed();
            simulatorDraw = shown->text();
        } else if (sinceAnswer.isValid() && sinceAnswer.elapsed() >= simulatorBoxAfter + 3000) {
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

// The player closes the simulator while its question is open: the window goes at once, the
// answer still counts, and no further question comes.
void TestForm7::closingWhileItsQuestionIsOpen()
{
    Form1 board;
    const QPointer<Form7> simulator = openSimulator(board, true);
    QString drawn;
    bool goneWhileOpen = false;
    QElapsedTimer sinceClose;
    BoxWatch watch(board, [&](QMessageBox* box) {
        if (!sinceClose.isValid()) {
            drawn = control<QLabel>(simulator, "Label1")->text();
            simulator->close();
            sinceClose.start();
        } else if (sinceClose.elapsed() >= 1500) {
            goneWhileOpen = simulator.isNull();
            box->button(QMessageBox::Yes)->click();
            return true;
        }
        return false;
    });
    simulator->Command1_Click();

    QTRY_VERIFY_WITH_TIMEOUT(watch.finished, 10000);
    QVERIFY(goneWhileOpen);
    QVERIFY(!board.simulator());
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), drawn);
    QTest::qWait(2500); // its timer went with it
    QCOMPARE(watch.mostBoxes, 1);
    QCOMPARE(board.model().tirage(), 1);
}

// "SIMULER" opens the simulator in its design state, top-most; twice, still one window.
// Closed, it is gone; opened again, it starts afresh.
void TestForm7::simulerTwiceThenClosingAndReopening()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    Form7* simulator = openSimulator(board);
    QCOMPARE(stateOf(simulator), DesignState);
    QCOMPARE(simulator->windowTitle(), QStringLiteral("Simulation Jeu"));
    QVERIFY(simulator->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    const auto* shown = control<QLabel>(simulator, "Label1");
    QCOMPARE(Colours::foreColour(shown), Colours::Black);
    QCOMPARE(shown->font().pointSizeF(), 24.0);
    QVERIFY(shown->font().bold() && control<QLineEdit>(simulator, "Text1")->font().bold());
    QCOMPARE(button(simulator, "Complus")->font().pointSizeF(), 12.0);
    // Compact, the window shows the start and help buttons only.
    for (QWidget* child : simulator->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        QCOMPARE(simulator->rect().intersects(child->geometry()), name == "Command1" || name == "Command5");
    }
    QTest::mouseClick(button(simulator, "Command5"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideSimulation.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));

    QCOMPARE(openSimulator(board), simulator);
    int windows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        windows += window->objectName() == QLatin1String("Form7") && window->isVisible() ? 1 : 0;
    }
    QCOMPARE(windows, 1);

    simulator->setRandomSource(std::make_unique<ScriptedRandom>(QList<double>{ScriptedRandom::valueFor(9)}));
    simulator->Complus_Click();
    simulator->Command1_Click();
    simulator->Command4_Click();
    MessageBox::setNextAnswer(MessageBox::No);
    simulator->Timer1_Timer();
    QCOMPARE(
        stateOf(simulator), QStringLiteral("6 s, timer off 6000, start off, Reprendre !, [9] on ff, 311x77"));

    simulator->close();
    QTRY_VERIFY(!board.simulator());
    QCOMPARE(stateOf(openSimulator(board)), DesignState);
}

QTEST_MAIN(TestForm7)
#include "tst_form7.moc"
