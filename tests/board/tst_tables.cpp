// SPDX-License-Identifier: GPL-3.0-or-later
// Several tables at once, without any window: random games entered on the tables in turn are
// each the game entered alone; what is done acts on the shown table only; a table out of
// sight is marked when it reaches an advice; a killed program comes back with all its tables.
#include "board/Tables.h"
#include "support/TableAgreement.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <map>
#include <random>

namespace {

std::vector<std::uint8_t> bytes(const std::vector<int>& draws)
{
    return {draws.begin(), draws.end()};
}

bool showsAdvice(const Table& table)
{
    for (int blink = 0; blink < BlinkTimerCount; ++blink) {
        if (table.isBlinking(static_cast<BlinkTimer>(blink))) {
            return true;
        }
    }
    return false;
}

} // namespace

class TestTables : public QObject
{
    Q_OBJECT

private slots:
    void randomTablesAreEachTheirOwnGame_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<int>("numbersDrawnFrom"); // few numbers give advice often
        QTest::addRow("whole wheel") << 20261207u << 37;
        QTest::addRow("few numbers") << 11u << 6;
    }

    // Entries, undos, lists and new games on the shown table, entries on tables out of sight
    // (the simulator's), switching, renaming, new and closed tables, in random order; after
    // each step every table holds exactly its own draws, and the shown one agrees with the
    // oracle. Then the program is gone, and the next one takes every table back.
    void randomTablesAreEachTheirOwnGame()
    {
        QFETCH(quint32, seed);
        QFETCH(int, numbersDrawnFrom);
        QTemporaryDir folder;
        std::mt19937 random(seed);
        const auto drawn
            = [&] { return static_cast<int>(random() % static_cast<unsigned>(numbersDrawnFrom)); };
        std::map<const GameSession*, std::vector<int>> games; // what each table was given
        std::map<const GameSession*, bool> marked;
        std::map<QString, std::vector<int>> left; // by table, what a killed program leaves
        {
            GameLibrary library(folder.path());
            Tables tables;
            tables.keepGamesIn(library);
            tables.add();
            tables.add();
            QCOMPARE(tables.count(), 3);
            QCOMPARE(tables.name(2), QStringLiteral("Table 3"));
            QSignalSpy elsewhere(&tables, &Tables::enteredElsewhere);
            for (int step = 0; step < 1500; ++step) {
                GameSession& shown = tables.current();
                std::vector<int>& draws = games[&shown];
                const auto choice = random() % 1000;
                if (choice < 500) {
                    const int n = drawn();
                    QVERIFY(shown.confirmAndEnter(n));
                    draws.push_back(n);
                } else if (choice < 700) {
                    // A table out of sight gets a number: marked once it shows an advice.
                    const int index = static_cast<int>(random() % static_cast<unsigned>(tables.count()));
                    GameSession& other = tables.at(index);
                    const int n = drawn();
                    other.confirmAndEnter(n);
                    games[&other].push_back(n);
                    if (index != tables.currentIndex()) {
                        marked[&other] = marked[&other] || showsAdvice(other.table());
                        QCOMPARE(elsewhere.takeLast(), (QList<QVariant>{index, n}));
                    }
                } else if (choice < 780) {
                    QCOMPARE(shown.undoLastNumber(), !draws.empty());
                    if (!draws.empty()) {
                        draws.pop_back();
                    }
                } else if (choice < 800) {
                    QVector<int> list;
                    for (auto length = random() % 30; length > 0; --length) {
                        list.append(drawn());
                        draws.push_back(list.back());
                    }
                    shown.enterNumbers(list);
                } else if (choice < 805) {
                    shown.newGame();
                    draws.clear();
                } else if (choice < 960) {
                    const int index = random() % 2
                        ? static_cast<int>(random() % static_cast<unsigned>(tables.count()))
                        : (tables.currentIndex() + 1) % tables.count();
                    random() % 2 ? tables.show(index) : tables.showNext();
                    marked[&tables.current()] = false;
                } else if (choice < 975) {
                    tables.rename(tables.currentIndex(),
                        random() % 3 ? QStringLiteral("  Live   %1 ").arg(step) : QString());
                } else if (choice < 990 && tables.count() < 5) {
                    tables.add();
                } else if (tables.count() > 3) {
                    const GameSession* closed = &tables.at(tables.currentIndex());
                    QVERIFY(tables.close(tables.currentIndex()));
                    games.erase(closed);
                    marked[&tables.current()] = false;
                }
                for (int i = 0; i < tables.count(); ++i) {
                    const GameSession& session = tables.at(i);
                    QVERIFY2(session.table().draws() == bytes(games[&session]), QByteArray::number(step));
                    QCOMPARE(tables.isMarked(i), marked[&session]);
                }
                if (!tables.current().table().draws().empty()) {
                    agreeWithTheOracle(tables.current().table(), GameOracle(games[&tables.current()]),
                        tables.current().table().drawCount());
                }
                QVERIFY(!QTest::currentTestFailed());
            }
            QCoreApplication::processEvents(); // the confirmed numbers are written
            for (int i = 0; i < tables.count(); ++i) {
                if (!games[&tables.at(i)].empty()) {
                    left[tables.name(i)] = games[&tables.at(i)];
                }
            }
        } // gone without ending any game: a killed program

        GameLibrary library(folder.path());
        Tables tables;
        tables.keepGamesIn(library);
        const QVector<GameSummary> interrupted = tables.findInterrupted();
        QCOMPARE(interrupted.size(), static_cast<qsizetype>(left.size()));
        for (const GameArchive::Outcome& outcome : tables.resume(interrupted)) {
            QVERIFY(outcome.done());
        }
        QCOMPARE(tables.count(), static_cast<int>(left.size()));
        for (int i = 0; i < tables.count(); ++i) {
            QVERIFY2(tables.at(i).table().draws() == bytes(left[tables.name(i)]), qPrintable(tables.name(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTables)
#include "tst_tables.moc"
