// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as the player sees it, state after state, compared with the golden file beside
// this test. TAMBREL_REGENERATE_GOLDEN=1 writes the file from the program as it is instead.
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "dozens/DozensWindow.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "support/WindowDump.h"
#include "trends/TrendWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

// A game that never starts with zero nor has three zeros in a row, long enough for runs and
// alternations with advice, counters and the waiting indicator orange then red, dozen and
// column runs; its last five entries set all six blink timers going.
const QList<int> Game{5, 15, 7, 23, 0, 4, 27, 2, 28, 1, 18, 34, 7, 11, 4, 28, 31, 24, 19, 26, 11, 5, 7, 36,
    36, 31, 14, 2, 35, 5, 17, 20, 23, 14, 29, 5, 36, 3, 12, 24, 27, 1, 25, 24, 19, 32, 10, 29, 32, 19, 35, 15,
    23, 35, 22, 27, 22, 18, 23, 19, 35, 15, 10, 16, 2, 5, 27, 17, 32, 35, 4, 26, 14, 12, 32, 32, 12, 8, 33, 2,
    9, 19, 10, 2, 17, 31, 32, 28, 30, 22, 36, 25, 32, 10, 5, 12, 26, 8, 25, 36, 35, 23, 13, 10, 30, 21, 9, 7,
    34, 1, 21, 29, 11, 32, 21, 23, 24, 6, 11, 1, 20, 0, 9, 34, 23, 11, 14, 28, 10, 29, 27, 17, 23, 14, 32, 8,
    33, 4, 2, 1, 24, 19, 14, 3, 31, 7, 36, 15, 33, 33, 19, 11, 36, 14, 8, 33, 30, 7, 30, 11, 14, 15, 13, 10,
    11, 0, 30, 9, 8, 28, 15, 27, 10, 21, 4, 28, 14, 0, 31, 13, 32, 20, 3, 17, 28, 2, 8, 33, 7, 0, 0, 6, 16,
    35, 9, 13, 6, 23, 13, 19, 9, 30, 8, 6, 32, 14, 0, 12, 32, 32, 23, 35, 24, 2, 26, 29, 4, 10, 16, 30, 17, 1,
    7, 26, 1, 29, 35, 9, 0, 6, 35, 31, 20, 22, 15, 13, 29, 28, 34, 0, 5, 13, 16, 11, 9, 20, 8, 36, 29, 2, 10,
    32, 5, 11, 3, 10, 12, 10, 2, 25, 2, 11, 2, 1, 32, 33, 28, 4, 26, 15, 15, 32, 3, 29, 7, 25, 30, 25, 2, 9,
    11, 1, 5, 0, 30, 3, 6, 5, 9, 20, 6, 10, 36, 11, 9, 21, 26, 4, 20, 29, 2, 1, 4, 7, 10};

// One tick of a running timer, as its interval would bring it; false when it is not running.
bool tick(const QWidget* owner, const QString& name)
{
    auto* timer = owner->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly);
    QTimerEvent event(timer && timer->isActive() ? timer->timerId() : 0);
    return event.timerId() != 0 && QCoreApplication::sendEvent(timer, &event);
}

// The board, its trend windows and, once it exists, the dozen window.
QList<const QWidget*> boardWindows(const BoardWindow& board)
{
    QList<const QWidget*> windows{&board};
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        windows << board.trendWindow(static_cast<EvenChance>(pair));
    }
    return board.dozensWindow() ? windows << board.dozensWindow() : windows;
}

} // namespace

class TestGolden : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The look of the real program: its style and font.
        Desktop::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        dropOffscreenWindowWarnings();
    }

    void cleanup()
    {
        MessageBox::clearNextAnswer();
        NumberText::resetUserLocale();
    }

    // An evening at the table: the disclaimer, the board as it opens and with spoken advice on,
    // the waiting indicator through a game, the middle and the end of the game, the two phases
    // of its blinks, the trend windows sliding open, then a French player's simulator and stake
    // calculator.
    void evening()
    {
        DisclaimerDialog splash;
        splash.show();
        show(QStringLiteral("disclaimer"), {&splash});
        BoardWindow board;
        board.show();
        show(QStringLiteral("board at start-up"), boardWindows(board));
        board.toggleSpeech();
        show(QStringLiteral("spoken advice on"), boardWindows(board));
        board.toggleSpeech();
        // After each entry, the waiting indicator if it changed: every threshold of the wait the
        // game crosses, whatever the number of candidates.
        const QWidget* waiting = control<QWidget>(&board, "waitingIndicator");
        for (qsizetype entry = 1; entry <= Game.size(); ++entry) {
            QVERIFY(enterConfirmed(board, Game[entry - 1]));
            show(QStringLiteral("waiting after %1 entries").arg(entry), {waiting});
            if (entry == 61) { // the waiting indicator orange, a counter orange and another red
                show(QStringLiteral("spoken advice off, %1 entries").arg(entry), boardWindows(board));
            }
        }
        show(QStringLiteral("after %1 entries").arg(Game.size()), boardWindows(board));
        for (int round = 1; round <= 2; ++round) {
            for (int blink = 0; blink < BlinkTimerCount; ++blink) {
                QVERIFY(board.session().blinkTimers().isRunning(static_cast<BlinkTimer>(blink)));
                board.session().blinkTick(static_cast<BlinkTimer>(blink));
            }
            show(QStringLiteral("tick %1 of the six blink timers").arg(round), boardWindows(board));
        }
        // The player opens the counters of the three trend windows: each slides, its timer
        // ticking until it stops, the button disabled meanwhile.
        for (const QWidget* trend : boardWindows(board).mid(1, EvenChanceCount)) {
            QTest::mouseClick(control<QPushButton>(trend, "slideButton"), Qt::LeftButton);
            for (int ticks = 1; tick(trend, QStringLiteral("slideTimer")); ++ticks) {
                if (ticks == 50) {
                    show(trend->objectName() + QStringLiteral(" sliding, 50 ticks"), {trend});
                }
            }
            show(trend->objectName() + QStringLiteral(" slid open"), {trend});
        }
        // And closes the first one again.
        const QWidget* colour = board.trendWindow(EvenChance::Colour);
        QTest::mouseClick(control<QPushButton>(colour, "slideButton"), Qt::LeftButton);
        while (tick(colour, QStringLiteral("slideTimer"))) { }
        show(colour->objectName() + QStringLiteral(" slid closed"), {colour});

        NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
        board.openSimulator();
        QWidget* simulator = control<QWidget>(&board, "simulatorWindow");
        show(QStringLiteral("simulator"), {simulator});
        for (const char* button : {"startButton", "slowerButton", "fasterButton", "pauseButton"}) {
            QTest::mouseClick(control<QPushButton>(simulator, button), Qt::LeftButton);
            show(QStringLiteral("after clicking ") + QLatin1String(button), {simulator});
        }
        board.openStakeCalculator();
        QWidget* stakes = control<QWidget>(&board, "stakeCalculatorWindow");
        show(QStringLiteral("stake calculator"), {stakes});
        auto* stake = control<QLineEdit>(stakes, "stakeBox");
        stake->selectAll();
        QTest::keyClicks(stake, QStringLiteral("2,5"));
        show(QStringLiteral("typed 2,5"), {stakes});
        QTest::mouseClick(control<QPushButton>(stakes, "calculateButton"), Qt::LeftButton);
        show(QStringLiteral("calculated"), {stakes});
        QTest::mouseClick(control<QAbstractButton>(stakes, "stepChoice", 3), Qt::LeftButton);
        show(QStringLiteral("step 4 chosen"), {stakes});
        stake->selectAll();
        QTest::keyClicks(stake, QStringLiteral("2.5"));
        QTest::mouseClick(control<QPushButton>(stakes, "calculateButton"), Qt::LeftButton);
        show(QStringLiteral("typed 2.5, calculated"), {stakes});
        compareWithGolden(QStringLiteral("evening"));
    }

private:
    // Adds a state to the golden file being written, under its "## " title, if it changed
    // anything: each window that changed, by its own line and those of its controls that changed
    // (all of them the first time).
    void show(const QString& state, const QList<const QWidget*>& windows)
    {
        QString changed;
        for (const QWidget* window : windows) {
            const QStringList lines = dumpWindow(window).split(u'\n');
            QStringList& before = m_shown[window->objectName()];
            QString controls;
            for (qsizetype line = 1; line < lines.size(); ++line) {
                controls += lines[line] != before.value(line) ? lines[line] + u'\n' : QString();
            }
            changed += lines == before ? QString() : lines[0] + u'\n' + controls;
            before = lines;
        }
        m_story += changed.isEmpty() ? QString() : QStringLiteral("## ") + state + u'\n' + changed;
    }

    // Compares the states shown with their golden file, naming the first line that differs.
    void compareWithGolden(const QString& name)
    {
        QFile file(QStringLiteral(TAMBREL_GOLDEN_DIR "/%1.txt").arg(name));
        if (qEnvironmentVariableIntValue("TAMBREL_REGENERATE_GOLDEN") == 1) {
            QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(m_story.toUtf8()) >= 0, qPrintable(name));
            return;
        }
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QStringList expected = QString::fromUtf8(file.readAll()).split(u'\n');
        const QStringList actual = m_story.split(u'\n');
        const auto line = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end()).first
            - expected.begin();
        QVERIFY2(expected == actual,
            qPrintable(QStringLiteral("%1:%2\n-%3\n+%4")
                           .arg(file.fileName(), QString::number(line + 1), expected.value(line),
                               actual.value(line))));
    }

    QString m_story;
    QHash<QString, QStringList> m_shown;
};

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
