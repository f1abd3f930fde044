// SPDX-License-Identifier: GPL-3.0-or-later
// The anchors the oracle of a game rests on, worked out by hand (the long random games against
// the oracle are played through the game session).
#include "board/Table.h"
#include "support/TableAgreement.h"

#include <QTest>

class TestTable : public QObject
{
    Q_OBJECT

private slots:
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
