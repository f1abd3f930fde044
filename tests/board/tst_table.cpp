// SPDX-License-Identifier: GPL-3.0-or-later
// The table against the plain oracle of a game, over long random games, and a replay equal to
// the entries; the anchors the oracle itself rests on.
#include "board/Table.h"
#include "support/TableAgreement.h"

#include <QRandomGenerator>
#include <QTest>

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    // Numbers from a few only give long runs, alternations and waits; zeros often give the
    // zero's cases.
    void randomGamesAgreeWithTheOracle_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("entries");
        QList<int> all;
        for (int n = 0; n <= 36; ++n) {
            all << n;
        }
        QTest::addRow("whole wheel") << 20261206u << all << 6000;
        QTest::addRow("few numbers, many zeros") << 7u << QList<int>{0, 0, 1, 2, 13, 19, 20, 36} << 4000;
        QTest::addRow("red and black") << 99u << QList<int>{1, 2, 3, 4, 0} << 3000;
    }

    void randomGamesAgreeWithTheOracle()
    {
        QFETCH(quint32, seed);
        QFETCH(QList<int>, numbers);
        QFETCH(int, entries);
        QRandomGenerator random(seed);
        Table table;
        table.toggleSpeech();
        GameOracle oracle;
        for (int entry = 1; entry <= entries; ++entry) {
            const int n = numbers[static_cast<int>(random.bounded(static_cast<quint32>(numbers.size())))];
            table.enter(n);
            oracle.add(n);
            agreeWithTheOracle(table, oracle, entry);
            QVERIFY(!QTest::currentTestFailed());
            const QStringList said = table.spokenPhrases();
            const QStringList keys = oracle.spoken();
            QVERIFY2(said.size() == keys.size(), QByteArray::number(entry));
            for (int i = 0; i < said.size(); ++i) {
                QVERIFY2(said[i].contains(keys[i]), qPrintable(said[i] + QStringLiteral(" / ") + keys[i]));
            }
        }
    }

    // What the oracle rests on, worked out by hand.
    void anchors_data()
    {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("shownLevelCount");
        QTest::addColumn<QList<int>>("candidates");
        QTest::addColumn<QString>("colourCells"); // the last five, oldest first, then the suggestion
        QTest::addColumn<int>("colourAdvice");
        QList<int> upTo35;
        for (int n = 0; n <= 35; ++n) {
            upTo35 << n;
        }
        QTest::addRow("first draw 7") << QList<int>{7} << 0 << 36 << QList<int>{} << ",,,,R," << 0;
        QTest::addRow("one number left at 0") << upTo35 << 0 << 1 << QList<int>{36} << "N,R,N,R,N,N" << 6;
        QTest::addRow("level rises") << (QList<int>(upTo35) << 36) << 1 << 1 << QList<int>{} << "R,N,R,N,R,R"
                                     << 7;
        QTest::addRow("four reds") << QList<int>{1, 3, 5, 7} << 0 << 33 << QList<int>{} << ",R,R,R,R,N" << 4;
        QTest::addRow("four alternations")
            << QList<int>{1, 2, 3, 4, 5} << 0 << 32 << QList<int>{} << "R,N,R,N,R,R" << 4;
    }

    void anchors()
    {
        QFETCH(QList<int>, draws);
        Table table;
        for (int n : draws) {
            table.enter(n);
        }
        QFETCH(int, level);
        QFETCH(int, shownLevelCount);
        QFETCH(QList<int>, candidates);
        QFETCH(QString, colourCells);
        QFETCH(int, colourAdvice);
        QCOMPARE(table.level(), level);
        QCOMPARE(table.shownLevelCount(), shownLevelCount);
        const std::vector<int> found = candidatesOf(table);
        QCOMPARE(QList<int>(found.begin(), found.end()), candidates);
        const EvenChanceTracker& colour = table.evenChance(EvenChance::Colour);
        QStringList cells;
        for (int i = 15; i < EvenChanceTracker::CellCount; ++i) {
            cells << shown(EvenChance::Colour, colour.cell(i));
        }
        QCOMPARE(cells.join(QLatin1Char(',')), colourCells);
        QCOMPARE(colour.adviceLength(), colourAdvice);
    }
};

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
