// SPDX-License-Identifier: GPL-3.0-or-later
// The board's kept games: a killed game comes back, undo, typed numbers, the menu.
#include "board/BoardWindow.h"
#include "games/GameLibrary.h"
#include "platform/Widgets.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "support/WindowDump.h"

#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <random>

namespace {

using Draws = std::vector<std::uint8_t>;

const Draws Game = [] {
    Draws draws;
    for (std::minstd_rand generator(7); draws.size() < 100000;) {
        draws.push_back(static_cast<std::uint8_t>(generator() % 37));
    }
    return draws;
}();

// The board, its side windows and its running blink timers; not where the windows stand.
QString dumpAll(BoardWindow& board)
{
    static const QRegularExpression place(QStringLiteral("^(\\S+ \\S+) geo=-?\\d+,-?\\d+,"));
    QString dump;
    for (const char* name :
        {"colourTrendWindow", "passeManqueTrendWindow", "pairImpairTrendWindow", "dozensWindow", ""}) {
        const QWidget* window = *name ? control<QWidget>(&board, QLatin1String(name)) : &board;
        dump += window ? dumpWindow(window).replace(place, QStringLiteral("\\1")) : QStringLiteral("-\n");
    }
    for (int blink = 0; blink < BlinkTimerCount; ++blink) {
        dump += QString::number(board.session().blinkTimers().isRunning(static_cast<BlinkTimer>(blink)));
    }
    return dump;
}

} // namespace

class TestBoardGames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void cleanup() { MessageBox::clearNextAnswer(); }

    // Every confirmed number comes back (and the one being written, if any); an undo leaves
    // the board as one that never had the number.
    void killedGameComesBackAndUndoes()
    {
        QTemporaryDir folder;
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--play"), folder.path()});
        QByteArray printed;
        QTRY_VERIFY_WITH_TIMEOUT((printed += child.readAll()).count('\n') >= 400, 30000);
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished(10000));
        const auto confirmed = static_cast<std::size_t>((printed + child.readAll()).count('\n'));

        GameLibrary games(folder.path());
        BoardWindow board;
        board.keepGamesIn(games);
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.offerInterruptedGame());
        const Draws back = board.table().draws();
        QVERIFY(back.size() - confirmed <= 1 && std::equal(back.begin(), back.end(), Game.begin()));
        for (const std::size_t kept : {back.size(), back.size() - 1, back.size() - 30, std::size_t(0)}) {
            while (board.table().draws().size() > kept) {
                MessageBox::setNextAnswer(MessageBox::Yes);
                QVERIFY(board.undoLastNumber());
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a dozen window gone
            BoardWindow fresh;
            for (std::size_t i = 0; i < kept; ++i) {
                QVERIFY(enterConfirmed(fresh, back[i]));
            }
            QCOMPARE(dumpAll(board), dumpAll(fresh));
            QCOMPARE(readJournal(games.journal().path()).game.draws.size(), kept);
        }
    }

    // Keys typed on a number cell: Enter is "\n", Escape "\x1b", and "~" a second passing.
    void typedNumbers_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("modifier");
        QTest::addColumn<int>("entered");
        QTest::addRow("0") << "0" << 0 << 0;
        QTest::addRow("3, a second passes") << "3~" << 0 << 3;
        QTest::addRow("3 Enter") << "3\n" << 0 << 3;
        QTest::addRow("17") << "17" << 0 << 17;
        QTest::addRow("36 on the number pad") << "36" << int(Qt::KeypadModifier) << 36;
        QTest::addRow("37 refused") << "37~" << 0 << -1;
        QTest::addRow("3 Escape") << "3\x1b~" << 0 << -1;
        QTest::addRow("French keyboard 17") << "&è" << 0 << 17;
    }

    void typedNumbers()
    {
        QFETCH(QString, keys);
        QFETCH(int, modifier);
        QFETCH(int, entered);
        BoardWindow board;
        MessageBox::setNextAnswer(MessageBox::Yes);
        for (const QChar key : keys) {
            const Qt::Key code = key == '\n' ? Qt::Key_Return
                : key == '\x1b'              ? Qt::Key_Escape
                                             : Qt::Key_unknown;
            if (key == '~') {
                board.findChild<TypedNumber*>()->waitOver();
            } else {
                QTest::sendKeyEvent(
                    QTest::Click, board.numberCell(12), code, QString(key), Qt::KeyboardModifiers(modifier));
            }
        }
        QCOMPARE(board.table().draws(), entered < 0 ? Draws() : Draws{static_cast<std::uint8_t>(entered)});
    }

    void menu()
    {
        QTemporaryDir folder;
        GameLibrary games(folder.path());
        BoardWindow board;
        QVERIFY(!board.contextMenu()->actions().at(0)->isEnabled());
        board.keepGamesIn(games);
        board.enterNumbers({5, 17, 0});
        QStringList items;
        for (const QAction* action : board.contextMenu()->actions()) {
            items << action->text() + (action->isEnabled() ? "" : " (off)");
        }
        QCOMPARE(items.join('|'),
            QStringLiteral("Annuler le dernier numéro|Statistiques…||Saisir une liste de numéros…|"
                           "Exporter la partie…|Parties précédentes…||Nouvelle partie"));
        // The statistics (Ctrl+T) follow the game while they show.
        QAction* statistics = board.findChild<QAction*>(QStringLiteral("statistics"));
        QCOMPARE(statistics->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
        statistics->trigger();
        const auto chiLine
            = [&board] { return control<QLabel>(board.statisticsWindow(), "ChiSquare")->text(); };
        QVERIFY2(chiLine().endsWith(QStringLiteral("sur 3 tirages")), qPrintable(chiLine()));
        QString asked;
        whenModalShown<QMessageBox>([&asked](QMessageBox* box) {
            asked = box->text() + (box->defaultButton() == box->button(QMessageBox::No) ? "/No" : "/Yes");
            box->button(QMessageBox::Yes)->click();
        });
        board.contextMenu()->actions().at(0)->trigger();
        QCOMPARE(asked, QStringLiteral("Annuler le dernier numéro : 0 ?/No"));
        QCOMPARE(board.table().draws(), (Draws{5, 17}));
        QVERIFY2(chiLine().endsWith(QStringLiteral("sur 2 tirages")), qPrintable(chiLine()));
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--play") { // a player's game, until it is killed
        GameLibrary games(QString::fromLocal8Bit(argv[2]));
        BoardWindow board;
        board.keepGamesIn(games);
        for (const std::uint8_t number : Game) {
            if (enterConfirmed(board, number)) {
                QCoreApplication::processEvents(); // the windows painted, the number written
                std::puts("");
                std::fflush(stdout);
            }
        }
    }
    TestBoardGames test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardgames.moc"
