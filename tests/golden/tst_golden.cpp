// SPDX-License-Identifier: GPL-3.0-or-later
// Every window as the player sees it, compared whole with the golden files beside this test.
// TAMBREL_REGENERATE_GOLDEN=1 writes the files from the program as it is instead.
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "support/WindowDump.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

// Where something first shows: 46 the advice row with ten candidates and a counter orange, 51
// the waiting indicator orange, 61 a counter red, 292 the waiting indicator red.
const QList<int> Checkpoints{10, 46, 51, 61, 150, 292, 305};

QString section(const QString& title, const QWidget* shown)
{
    return QStringLiteral("## ") + title + QLatin1Char('\n') + dumpWindow(shown);
}

// The board, its trend windows and, once it exists, the dozen window.
QString dumpBoard(const BoardWindow& board, const QString& title)
{
    QString dump = section(title, &board);
    for (const char* name :
        {"colourTrendWindow", "passeManqueTrendWindow", "pairImpairTrendWindow", "dozensWindow"}) {
        if (const QWidget* side = control<QWidget>(&board, QLatin1String(name))) {
            dump += section(title, side);
        }
    }
    return dump;
}

// One tick of a running timer, as its interval would bring it.
bool tick(const QWidget* owner, const QString& name)
{
    auto* timer = owner->findChild<QTimer*>(name, Qt::FindDirectChildrenOnly);
    QTimerEvent event(timer && timer->isActive() ? timer->timerId() : 0);
    return event.timerId() != 0 && QCoreApplication::sendEvent(timer, &event);
}

void click(const QWidget* owner, const char* name, int index = -1)
{
    QTest::mouseClick(control<QAbstractButton>(owner, QLatin1String(name), index), Qt::LeftButton);
}

// Compares a dump with its golden file whole, showing the first lines that differ.
void compareWithGolden(const QString& name, const QString& dump)
{
    QFile file(QStringLiteral(TAMBREL_GOLDEN_DIR "/%1.txt").arg(name));
    if (qEnvironmentVariableIntValue("TAMBREL_REGENERATE_GOLDEN") == 1) {
        QVERIFY2(file.open(QIODevice::WriteOnly) && file.write(dump.toUtf8()) >= 0, qPrintable(name));
        return;
    }
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QStringList expected = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QStringList actual = dump.split(QLatin1Char('\n'));
    QString report;
    for (qsizetype line = 0, shown = 0; line < qMax(expected.size(), actual.size()) && shown < 10; ++line) {
        if (expected.value(line) != actual.value(line)) {
            report += QStringLiteral("line %1\n-%2\n+%3\n")
                          .arg(QString::number(line + 1), expected.value(line), actual.value(line));
            ++shown;
        }
    }
    QVERIFY2(report.isEmpty(), qPrintable(file.fileName() + QStringLiteral(" differs:\n") + report));
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

    void startUp()
    {
        DisclaimerDialog splash;
        splash.show();
        compareWithGolden(QStringLiteral("disclaimer"), section(QStringLiteral("shown"), &splash));
        BoardWindow board;
        board.show();
        compareWithGolden(QStringLiteral("board-start"), dumpBoard(board, QStringLiteral("start-up")));
        board.toggleSpeech();
        compareWithGolden(QStringLiteral("speech-on"), section(QStringLiteral("spoken advice on"), &board));
    }

    // The player opens the three trend windows' counters after entry 61 and leaves them open.
    void scriptedGame()
    {
        BoardWindow board;
        board.show();
        for (qsizetype entry = 1; entry <= Game.size(); ++entry) {
            QVERIFY(enterConfirmed(board, Game[entry - 1]));
            if (Checkpoints.contains(entry)) {
                compareWithGolden(QStringLiteral("game-%1").arg(entry, 3, 10, QLatin1Char('0')),
                    dumpBoard(board, QStringLiteral("after %1 entries").arg(entry)));
            }
            if (entry == 61) {
                compareWithGolden(QStringLiteral("trends-open"), slideOpen(board));
            }
        }
        for (int round = 1; round <= 2; ++round) {
            for (int blink = 0; blink < BlinkTimerCount; ++blink) {
                QVERIFY(board.session().blinkTimers().isRunning(static_cast<BlinkTimer>(blink)));
                board.session().blinkTick(static_cast<BlinkTimer>(blink));
            }
            compareWithGolden(QStringLiteral("game-end-tick%1").arg(round),
                dumpBoard(board, QStringLiteral("end, tick %1 of the six blink timers").arg(round)));
        }
    }

    // A French player's simulator and stake calculator.
    void sideWindows()
    {
        NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
        BoardWindow board;
        board.show();
        board.openSimulator();
        QWidget* simulator = control<QWidget>(&board, "simulatorWindow");
        QString dump = section(QStringLiteral("idle"), simulator);
        for (const char* button : {"startButton", "slowerButton", "fasterButton", "pauseButton"}) {
            click(simulator, button);
            dump += section(QStringLiteral("after clicking ") + QLatin1String(button), simulator);
        }
        compareWithGolden(QStringLiteral("simulator"), dump);

        board.openStakeCalculator();
        QWidget* stakes = control<QWidget>(&board, "stakeCalculatorWindow");
        dump = section(QStringLiteral("load"), stakes);
        auto* stake = control<QLineEdit>(stakes, "stakeBox");
        stake->selectAll();
        QTest::keyClicks(stake, QStringLiteral("2,5"));
        dump += section(QStringLiteral("typed 2,5"), stakes);
        click(stakes, "calculateButton");
        dump += section(QStringLiteral("calculated"), stakes);
        click(stakes, "stepChoice", 3);
        dump += section(QStringLiteral("step 4 chosen"), stakes);
        stake->selectAll();
        QTest::keyClicks(stake, QStringLiteral("2.5"));
        click(stakes, "calculateButton");
        compareWithGolden(
            QStringLiteral("stakes"), dump + section(QStringLiteral("typed 2.5, calculated"), stakes));
    }

private:
    // Each trend window slides open, its timer ticking until its button is enabled again.
    static QString slideOpen(const BoardWindow& board)
    {
        QString dump;
        for (const char* name : {"colourTrendWindow", "passeManqueTrendWindow", "pairImpairTrendWindow"}) {
            QWidget* trend = control<QWidget>(&board, QLatin1String(name));
            click(trend, "slideButton");
            const auto* button = control<QPushButton>(trend, "slideButton");
            for (int ticks = 1; !button->isEnabled() && tick(trend, QStringLiteral("slideTimer")); ++ticks) {
                dump += ticks == 50 ? section(QStringLiteral("sliding, 50 ticks"), trend) : QString();
            }
            dump += section(QStringLiteral("slid open"), trend);
        }
        return dump;
    }
};

QTEST_MAIN(TestGolden)
#include "tst_golden.moc"
