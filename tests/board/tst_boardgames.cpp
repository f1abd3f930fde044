// SPDX-License-Identifier: GPL-3.0-or-later
// The board's kept games: a game taken up again and undone, the menu, the windows it opens.
#include "board/BoardWindow.h"
#include "games/FileChoice.h"
#include "games/GameLibrary.h"
#include "platform/Language.h"
#include "platform/Widgets.h"
#include "statistics/AdviceAccountWindow.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "support/WindowDump.h"

#include <QChartView>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QValueAxis>
#include <random>

namespace {

using Draws = std::vector<std::uint8_t>;

const Draws Game = [] {
    Draws draws;
    for (std::minstd_rand generator(7); draws.size() < 400;) {
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
    void init() { Language::install(*QCoreApplication::instance(), Language::Choice::French); }
    void cleanup() { MessageBox::clearNextAnswer(); }

    // A game taken up again, then taken back number by number, shows in every window as the
    // same numbers entered one by one would (the session's flows are checked against the
    // oracle without windows; here, that the windows follow them).
    void resumedGameAndUndoShowAsEntered()
    {
        QTemporaryDir folder;
        {
            GameLibrary killed(folder.path());
            killed.journal().recordNumbers(QVector<int>(Game.begin(), Game.end()));
        } // left unfinished
        GameLibrary games(folder.path());
        BoardWindow board;
        board.keepGamesIn(games);
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.offerInterruptedGame());
        for (const int kept : {400, 399, 370, 0}) {
            while (static_cast<int>(board.table().draws().size()) > kept) {
                MessageBox::setNextAnswer(MessageBox::Yes);
                QVERIFY(board.undoLastNumber());
            }
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a dozen window gone
            BoardWindow fresh;
            for (int i = 0; i < kept; ++i) {
                QVERIFY(enterConfirmed(fresh, Game[static_cast<std::size_t>(i)]));
            }
            QCOMPARE(dumpAll(board), dumpAll(fresh));
        }
    }

    // A table shown again shows its game as if entered alone, whatever the other tables did;
    // the title names the shown table, the menu marks a table that reached an advice out of
    // sight; a killed program's tables are offered back in one question.
    void tablesShowAsEnteredAlone()
    {
        QTemporaryDir folder;
        {
            GameLibrary games(folder.path());
            BoardWindow board;
            board.keepGamesIn(games);
            for (std::size_t i = 0; i < 300; ++i) {
                QVERIFY(enterConfirmed(board, Game[i]));
            }
            board.findChild<QAction*>(QStringLiteral("newTable"))->trigger();
            QCOMPARE(board.windowTitle(), QStringLiteral("Tambrel — Table 2"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // a dozen window gone
            BoardWindow empty;
            QCOMPARE(dumpAll(board).replace(QStringLiteral("Tambrel — Table 2"), QStringLiteral("Tambrel")),
                dumpAll(empty));
            board.enterNumbers(QVector<int>(Game.begin() + 300, Game.end()));
            // Numbers for table 1 while table 2 shows (the simulator's), until an advice.
            for (int n : {1, 3, 5, 7}) {
                MessageBox::setNextAnswer(MessageBox::Yes);
                QVERIFY(board.tables().at(0).confirmAndEnter(n));
            }
            const auto items = board.findChildren<QAction*>(QStringLiteral("tableItem"));
            QCOMPARE(items.at(0)->text(), QStringLiteral("Table 1 — conseil"));
            QCOMPARE(items.at(1)->text() + (items.at(1)->isChecked() ? "*" : ""), QStringLiteral("Table 2*"));
            QVERIFY(!items.at(2)->isVisible());
            items.at(0)->trigger();
            QCOMPARE(items.at(0)->text(), QStringLiteral("Table 1"));
            QCOMPARE(board.windowTitle(), QStringLiteral("Tambrel — Table 1"));
            BoardWindow alone;
            alone.enterNumbers(QVector<int>(Game.begin(), Game.begin() + 300));
            for (int n : {1, 3, 5, 7}) {
                QVERIFY(enterConfirmed(alone, n));
            }
            QCOMPARE(dumpAll(board).replace(QStringLiteral("Tambrel — Table 1"), QStringLiteral("Tambrel")),
                dumpAll(alone));
            board.tables().rename(1, QStringLiteral("Live"));
            QCoreApplication::processEvents(); // the numbers are written
            // Export writes the game of the table shown.
            board.tables().show(1);
            const QString csv = folder.filePath(QStringLiteral("live.csv"));
            FileChoice::setNextAnswer(csv);
            board.findChild<QAction*>(QStringLiteral("export"))->trigger();
            QFile exported(csv);
            QVERIFY(exported.open(QIODevice::ReadOnly));
            QCOMPARE(exported.readAll().count('\n'), 101);
        } // killed with both tables' games unfinished
        GameLibrary games(folder.path());
        BoardWindow board;
        board.keepGamesIn(games);
        QString asked;
        whenModalShown<QMessageBox>([&asked](QMessageBox* box) {
            asked = box->windowTitle() + '|' + box->text();
            box->button(QMessageBox::Yes)->click();
        });
        QVERIFY(board.offerInterruptedGame());
        QVERIFY2(
            asked.startsWith(QStringLiteral("Tables interrompues|Reprendre les 2 tables interrompues ?\n\n"
                                            "Table 1 : 304 numéros, commencée le ")),
            qPrintable(asked));
        QVERIFY2(asked.contains(QStringLiteral("\nLive : 100 numéros, commencée le ")), qPrintable(asked));
        QCOMPARE(board.tables().count(), 2);
        QCOMPARE(board.table().drawCount(), 304);
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
            QStringLiteral(
                "Annuler le dernier numéro|Statistiques…|Bilan des conseils||Saisir une liste de numéros…|"
                "Importer des tirages…|Exporter la partie…|Parties précédentes…||Nouvelle "
                "partie|Tables||Langue"));
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
        // So does the account of the advice (Ctrl+B); "Copier" gives its table and sentences.
        QAction* account = board.findChild<QAction*>(QStringLiteral("adviceAccount"));
        QCOMPARE(account->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_B));
        account->trigger();
        const auto verdict
            = [&board] { return control<QLabel>(board.adviceAccountWindow(), "Verdict")->text(); };
        QVERIFY2(verdict().startsWith(QStringLiteral("Sur 2 tirages, aucun conseil")), qPrintable(verdict()));
        for (const QAbstractAxis* axis :
            board.adviceAccountWindow()->findChild<QChartView*>()->chart()->axes()) {
            const auto* values = static_cast<const QValueAxis*>(axis); // whole numbers, none repeated
            QVERIFY(values->tickCount() >= 2
                && (values->max() - values->min()) / (values->tickCount() - 1) >= 1.0);
        }
        board.enterNumbers(QVector<int>(Game.begin(), Game.end()));
        QVERIFY2(verdict().startsWith(QStringLiteral("Sur 402 tirages, suivre les conseils aurait")),
            qPrintable(verdict()));
        control<QPushButton>(board.adviceAccountWindow(), "Copy")->click();
        const QStringList copied = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
        QCOMPARE(copied.first(),
            QStringLiteral("Conseil\tParis\tMises\tGagnés\tTaux\tTaux du hasard\tRésultat\t"
                           "Attendu\tÉcart (σ)\tPlus longue série perdante\tPire recul"));
        QVERIFY(copied[5].startsWith(QStringLiteral("Tous les conseils\t")) && copied[7] == verdict());
    }

    // A file with a mistake (Ctrl+O): nothing but its good lines, newest first, as a new game;
    // a file that is not text changes nothing.
    void importFromFile()
    {
        QTemporaryDir folder;
        GameLibrary games(folder.path());
        BoardWindow board;
        board.keepGamesIn(games);
        board.enterNumbers({5, 17});
        QAction* import = board.findChild<QAction*>(QStringLiteral("import"));
        QCOMPARE(import->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        const QString path = folder.filePath(QStringLiteral("tirages.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Tirages\n12,13,37\n4 33\n") > 0);
        file.close();
        FileChoice::setNextAnswer(path);
        import->trigger();
        auto* window = control<QDialog>(&board, "ImportWindow");
        QVERIFY(window && window->isVisible());
        QCOMPARE(control<QLabel>(window, "count")->text(),
            QStringLiteral("1 ligne en erreur. Sans elle : 2 numéros à importer."));
        QCOMPARE(control<QLabel>(window, "mistakes")->text(),
            QStringLiteral("ligne 2, colonne 3 : « 37 » n'est pas un numéro de 0 à 36"));
        QVERIFY(!control<QPushButton>(window, "import")->isEnabled());
        control<QRadioButton>(window, "newestFirst")->setChecked(true);
        QTest::mouseClick(control<QPushButton>(window, "importWithoutLines"), Qt::LeftButton);
        QCOMPARE(board.table().draws(), (Draws{33, 4}));
        QCOMPARE(games.archive().previousGames().first().lastNumbers, QVector<int>({5, 17}));
        QTRY_COMPARE(games.journal().game().draws.size(), 2);

        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray("PK\3\4\0\0", 6)) > 0);
        file.close();
        QString told;
        whenModalShown<QMessageBox>([&told](QMessageBox* box) {
            told = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        FileChoice::setNextAnswer(path);
        import->trigger();
        QCOMPARE(told,
            QStringLiteral("Ce fichier n'a pas pu être importé : ce n'est pas un fichier texte (des "
                           "numéros, un tableau CSV ou une partie de Tambrel).\n\nRien n'a changé."));
        QCOMPARE(board.table().draws(), (Draws{33, 4}));
    }
};

QTEST_MAIN(TestBoardGames)
#include "tst_boardgames.moc"
