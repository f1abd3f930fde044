// SPDX-License-Identifier: GPL-3.0-or-later
// The board's kept games: an undo shows what a board that never had the number shows, a
// killed program's game comes back whole, numbers typed on the keyboard, and the menu.
#include "board/Form1.h"
#include "games/GameLibrary.h"
#include "games/NumberListWindow.h"
#include "platform/Widgets.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "support/WindowDump.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

namespace {

using Draws = std::vector<std::uint8_t>;

Draws randomDraws(unsigned seed, int count)
{
    std::mt19937 generator(seed);
    Draws draws(static_cast<std::size_t>(count));
    for (std::uint8_t& draw : draws) {
        draw = static_cast<std::uint8_t>(generator() % 37);
    }
    return draws;
}

// A window and its controls; where the window stands on the screen is the window system's
// business (its frame is added once it was first shown), not the game's.
QString dumpPlaced(const QWidget* window)
{
    static const QRegularExpression place(QStringLiteral("^(\\S+ \\S+) geo=-?\\d+,-?\\d+,"));
    return dumpWindow(window).replace(place, QStringLiteral("\\1 size="));
}

// The board, its side windows and which blink timers run.
QString dumpAll(const Form1& board)
{
    QString dump = dumpPlaced(&board);
    for (const char* name : {"Form2", "Form3", "Form4", "Form5"}) {
        const auto* side = control<QWidget>(&board, QLatin1String(name));
        dump += side ? dumpPlaced(side) : QStringLiteral("no %1\n").arg(QLatin1String(name));
    }
    for (const QTimer* timer : board.findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly)) {
        dump
            += timer->objectName() + (timer->isActive() ? QStringLiteral(" on\n") : QStringLiteral(" off\n"));
    }
    return dump;
}

bool undo(Form1& board)
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    return board.undoLastNumber();
}

// The program as a player runs it, entering and taking back numbers until it is killed; each
// line it prints is an entry or an undo the player confirmed.
int playUntilKilled()
{
    GameLibrary games(qEnvironmentVariable("TST_BOARD_GAMES_FOLDER"));
    Form1 board;
    board.keepGamesIn(games);
    board.show();
    for (const std::uint8_t number : randomDraws(7, 100000)) {
        if (board.table().tirage() > 0 && number % 9 == 0 && undo(board)) {
            std::printf("u\n");
        } else if (enterConfirmed(board, number)) {
            std::printf("%d\n", number);
        }
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestBoardGames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void cleanup() { MessageBox::clearNextAnswer(); }

    void undoEqualsReplay_data()
    {
        QTest::addColumn<unsigned>("seed");
        QTest::addColumn<int>("entries");
        QTest::addColumn<int>("undos");
        QTest::addRow("back to no number") << 1u << 3 << 3;
        QTest::addRow("one of 60") << 2u << 60 << 1;
        QTest::addRow("five of 400") << 3u << 400 << 5;
        QTest::addRow("thirty of 700") << 4u << 700 << 30;
    }

    void undoEqualsReplay()
    {
        QFETCH(unsigned, seed);
        QFETCH(int, entries);
        QFETCH(int, undos);
        const Draws draws = randomDraws(seed, entries);
        Form1 undone;
        Form1 fresh;
        for (int i = 0; i < entries; ++i) {
            QVERIFY(enterConfirmed(undone, draws[static_cast<std::size_t>(i)]));
            if (i < entries - undos) {
                QVERIFY(enterConfirmed(fresh, draws[static_cast<std::size_t>(i)]));
            }
        }
        for (int i = 0; i < undos; ++i) {
            QVERIFY(undo(undone));
        }
        if (entries == undos) {
            QVERIFY(!undo(undone));
        }
        QCoreApplication::sendPostedEvents(
            nullptr, QEvent::DeferredDelete); // a dozen window no longer wanted
        QCOMPARE(dumpAll(undone), dumpAll(fresh));
    }

    void killedProgramComesBack()
    {
        QTemporaryDir folder;
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TST_BOARD_GAMES_FOLDER"), folder.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QByteArray printed;
        while (printed.count('\n') < 600 && child.waitForReadyRead(20000)) {
            printed += child.readAll();
        }
        child.kill(); // SIGKILL, in the middle of the game
        QVERIFY(child.waitForFinished(10000));
        Draws confirmed;
        for (const QByteArray& line : (printed + child.readAll()).split('\n')) {
            if (line == "u") {
                confirmed.pop_back();
            } else if (!line.isEmpty()) {
                confirmed.push_back(static_cast<std::uint8_t>(line.toInt()));
            }
        }
        QVERIFY(confirmed.size() > 400);

        GameLibrary games(folder.path());
        Form1 board;
        board.keepGamesIn(games);
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.offerInterruptedGame());
        // Killed between writing an event and printing it, the journal holds one event more.
        const Draws& back = board.table().draws();
        const bool oneMore = back.size() == confirmed.size() + 1
            && std::equal(confirmed.begin(), confirmed.end(), back.begin());
        const bool oneLess
            = back.size() + 1 == confirmed.size() && std::equal(back.begin(), back.end(), confirmed.begin());
        QVERIFY(back == confirmed || oneMore || oneLess);

        Form1 fresh;
        for (const std::uint8_t number : back) {
            QVERIFY(enterConfirmed(fresh, number));
        }
        QCOMPARE(dumpAll(board), dumpAll(fresh));
    }

    // Keys typed on a number cell: Enter is "\n", Escape "\x1b"; "wait" lets the second pass.
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("wait");
        QTest::addColumn<int>("entered");
        QTest::addRow("0") << "0" << false << false << 0;
        QTest::addRow("3, a second passes") << "3" << false << true << 3;
        QTest::addRow("3 Enter") << "3\n" << false << false << 3;
        QTest::addRow("17") << "17" << false << false << 17;
        QTest::addRow("36 on the number pad") << "36" << true << false << 36;
        QTest::addRow("9 at once") << "9" << false << false << 9;
        QTest::addRow("37 refused") << "37" << false << true << -1;
        QTest::addRow("30") << "30" << false << false << 30;
        QTest::addRow("3 Escape") << "3\x1b" << false << true << -1;
        QTest::addRow("French keyboard 17") << "&è" << false << false << 17;
    }

    void typedNumbers()
    {
        QFETCH(QString, keys);
        QFETCH(bool, keypad);
        QFETCH(bool, wait);
        QFETCH(int, entered);
        Form1 board;
        MessageBox::setNextAnswer(MessageBox::Yes);
        for (const QChar key : keys) {
            const Qt::Key code = key == QLatin1Char('\n') ? Qt::Key_Return
                : key == QLatin1Char('\x1b')              ? Qt::Key_Escape
                                                          : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, board.numberCell(12), code, QString(key),
                keypad ? Qt::KeypadModifier : Qt::NoModifier);
        }
        if (wait) {
            board.findChild<TypedNumber*>()->waitOver();
        }
        QCOMPARE(board.table().draws(), entered < 0 ? Draws() : Draws{static_cast<std::uint8_t>(entered)});
    }

    void menu()
    {
        QTemporaryDir folder;
        GameLibrary games(folder.path());
        Form1 board;
        board.show();
        QMenu* menu = board.contextMenu();
        QStringList items;
        for (const QAction* action : menu->actions()) {
            items << action->text() + (action->isEnabled() ? QString() : QStringLiteral(" (off)"));
        }
        QCOMPARE(items.join(QLatin1Char('|')),
            QStringLiteral("Annuler le dernier numéro (off)|Statistiques…||Saisir une liste de numéros…|"
                           "Exporter la partie… (off)|Parties précédentes… (off)||Nouvelle partie"));

        // A right click outside the number cells, or Shift+F10, opens it; not on a cell.
        for (const char* name : {"Text1", "Label2"}) {
            QWidget* clicked = control<QWidget>(&board, QLatin1String(name), name[0] == 'T' ? 5 : -1);
            QContextMenuEvent rightClick(
                QContextMenuEvent::Mouse, QPoint(2, 2), clicked->mapToGlobal(QPoint(2, 2)));
            QCoreApplication::sendEvent(clicked, &rightClick);
            QCOMPARE(menu->isVisible(), name[0] == 'L');
            menu->hide();
        }
        QTest::keyClick(board.numberCell(5), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(menu->isVisible());
        menu->hide();

        // The list of numbers: added as one, and then the last one taken back through a real box.
        board.keepGamesIn(games);
        menu->actions().at(3)->trigger();
        auto* list = board.findChild<NumberListWindow*>();
        control<QPlainTextEdit>(list, QStringLiteral("numbers"))->setPlainText(QStringLiteral("5 17, 0"));
        control<QPushButton>(list, QStringLiteral("add"))->click();
        QCOMPARE(board.table().tirage(), 3);
        QCOMPARE(games.currentGame().draws.size(), 3);
        QVERIFY(menu->actions().at(0)->isEnabled() && menu->actions().at(4)->isEnabled());
        // The statistics open with Ctrl+T and follow the game while they show.
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QTest::keyClick(&board, Qt::Key_T, Qt::ControlModifier);
        QVERIFY(board.statisticsWindow() && board.statisticsWindow()->isVisible());
        const auto chiLine
            = [&board] { return control<QLabel>(board.statisticsWindow(), "ChiSquare")->text(); };
        QVERIFY2(chiLine().endsWith(QStringLiteral("sur 3 tirages")), qPrintable(chiLine()));
        QString prompt;
        whenModalShown<QMessageBox>([&prompt](QMessageBox* box) {
            prompt = box->text() + (box->defaultButton() == box->button(QMessageBox::No) ? "/No" : "/Yes");
            box->button(QMessageBox::Yes)->click();
        });
        board.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&board));
        QTest::keyClick(&board, Qt::Key_Z, Qt::ControlModifier);
        QTRY_COMPARE(prompt, QStringLiteral("Annuler le dernier numéro : 0 ?/No"));
        QCOMPARE(board.table().draws(), (Draws{5, 17}));
        QCOMPARE(games.currentGame().draws.size(), 2);
        QVERIFY2(chiLine().endsWith(QStringLiteral("sur 2 tirages")), qPrintable(chiLine()));

        menu->actions().at(7)->trigger(); // a new game: the last goes to the previous games
        QCOMPARE(board.table().tirage(), 0);
        QCOMPARE(games.previousGames().size(), 1);
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("TST_BOARD_GAMES_FOLDER")) {
        return playUntilKilled();
    }
    TestBoardGames test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardgames.moc"
