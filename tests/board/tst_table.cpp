// SPDX-License-Identifier: GPL-3.0-or-later
// The table against the plain oracle of a game, over long random games; the anchors the
// oracle itself rests on; a run of zeros advising nothing; a replay equal to the entries.
#include "board/Table.h"
#include "speech/SpeechTexts.h"
#include "support/TableAgreement.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

void tickEveryBlink(Table& table)
{
    for (int timer = 0; timer < BlinkTimerCount; ++timer) {
        table.blinkTick(static_cast<BlinkTimer>(timer));
    }
}

} // namespace

class TestTable : public QObject
{
    Q_OBJECT

private slots:
    void randomGamesAgreeWithTheOracle_data();
    void randomGamesAgreeWithTheOracle();
    void anchors_data();
    void anchors();
    void runsOfZerosAdviseNothing_data();
    void runsOfZerosAdviseNothing();
    void replayOfNothingIsANewGame();
};

// Numbers from a few only give long runs, alternations and waits; zeros often give the
// zero's cases.
void TestTable::randomGamesAgreeWithTheOracle_data()
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

void TestTable::randomGamesAgreeWithTheOracle()
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
        if (entry % 97 == 0) {
            // Undo and a resumed game replay the draws: they lead where the entries led.
            Table replayed;
            replayed.replay(table.draws());
            agreeWithTheOracle(replayed, oracle, entry);
            QVERIFY(!QTest::currentTestFailed());
            QVERIFY(replayed.spokenPhrases().isEmpty());
        }
        const QStringList said = table.spokenPhrases();
        const QStringList keys = oracle.spoken();
        QVERIFY2(said.size() == keys.size(), QByteArray::number(entry));
        for (int i = 0; i < said.size(); ++i) {
            QVERIFY2(said[i].contains(keys[i]), qPrintable(said[i] + QStringLiteral(" / ") + keys[i]));
        }
        if (entry % 7 == 0) {
            tickEveryBlink(table); // blinks between entries change nothing the oracle follows
        }
    }
}

// What the oracle rests on, worked out by hand.
void TestTable::anchors_data()
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

void TestTable::anchors()
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

// A zero is no dozen and no column: zeros in a row, and a first zero on the empty history,
// start no blink, colour no box and say nothing of dozens or columns. Three equal dozens or
// columns still do.
void TestTable::runsOfZerosAdviseNothing_data()
{
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<bool>("dozens");
    QTest::addColumn<bool>("columns");
    QTest::addRow("first entry 0") << QList<int>{0} << false << false;
    QTest::addRow("three zeros") << QList<int>{5, 0, 0, 0} << false << false;
    QTest::addRow("zero after a run") << QList<int>{1, 4, 7, 0} << false << false;
    QTest::addRow("first dozen three times") << QList<int>{1, 5, 9} << true << false;
    QTest::addRow("first column three times") << QList<int>{1, 13, 25} << false << true;
    QTest::addRow("zero breaks the run") << QList<int>{1, 0, 4, 7} << false << false;
}

void TestTable::runsOfZerosAdviseNothing()
{
    QFETCH(QList<int>, draws);
    QFETCH(bool, dozens);
    QFETCH(bool, columns);
    Table table;
    table.toggleSpeech();
    for (int n : draws) {
        table.enter(n);
    }
    QCOMPARE(table.isBlinking(BlinkTimer::Dozens), dozens);
    QCOMPARE(table.isBlinking(BlinkTimer::Columns), columns);
    QCOMPARE(table.spokenPhrases().contains(SpeechTexts::Dozens), dozens);
    QCOMPARE(table.spokenPhrases().contains(SpeechTexts::Columns), columns);
    tickEveryBlink(table);
    int advised = 0;
    for (Group group : {Group::Dozens, Group::Columns}) {
        for (int which = 1; which <= 3; ++which) {
            advised += table.dozenColumns().isAdvised(group, which) ? 1 : 0;
        }
    }
    QCOMPARE(advised, (dozens ? 2 : 0) + (columns ? 2 : 0));
}

// Replaying no draw is the table of a new game; spoken advice stays as the player left it.
void TestTable::replayOfNothingIsANewGame()
{
    Table table;
    table.toggleSpeech();
    for (int n : {1, 3, 5, 7, 9}) {
        table.enter(n);
    }
    table.replay({});
    QCOMPARE(table.drawCount(), 0);
    QCOMPARE(table.hitCount(1), 0);
    QCOMPARE(table.evenChance(EvenChance::Colour).adviceLength(), 0);
    QCOMPARE(table.stripNumber(Table::StripLength - 1), -1);
    QVERIFY(!table.isBlinking(BlinkTimer::Colour));
    QVERIFY(table.speaksAdvice());
}

QTEST_GUILESS_MAIN(TestTable)
#include "tst_table.moc"
