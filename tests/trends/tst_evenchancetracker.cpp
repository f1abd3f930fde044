// The three even-money pairs entry by entry: marks, runs, alternations, advice, counters.
#include "board/BoardModel.h"
#include "trends/EvenChanceTracker.h"
#include "trends/SlideModel.h"

#include <QTest>

namespace {

// Numbers of each colour, all in the first half and of mixed parity.
constexpr int Red = 1; // red, manque, impair
constexpr int Black = 2; // black, manque, pair

const EvenChanceTracker& colour(const BoardModel& board)
{
    return board.evenChance(EvenChance::Colour);
}

QString chance(int percent)
{
    return QStringLiteral("  %1% de Chance sur : ").arg(percent);
}

void enterAll(BoardModel& board, const QList<int>& numbers)
{
    for (const int n : numbers) {
        board.enter(n);
    }
}

} // namespace

class TestEvenChanceTracker : public QObject
{
    Q_OBJECT

private slots:
    void marksOfEachPair_data();
    void marksOfEachPair();
    void workedExampleOfTheColourPair();
    void zeroAsTheFirstEntry();
    void fourZerosInARow();
    void fullHistories_data();
    void fullHistories();
    void oldestMarkDropsOut();
    void counterWarnings_data();
    void counterWarnings();
    void blinkPhaseIsKeptBetweenRuns();
    void slideTakesOneHundredAndTwoSteps();
};

void TestEvenChanceTracker::marksOfEachPair_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<ColourCode>("colourMark");
    QTest::addColumn<QString>("passeManque");
    QTest::addColumn<QString>("pairImpair");
    QTest::addRow("1") << 1 << Colours::Red << "-"
                       << "I";
    QTest::addRow("18") << 18 << Colours::Red << "-"
                        << "P";
    QTest::addRow("19") << 19 << Colours::Red << "+"
                        << "I";
    QTest::addRow("36") << 36 << Colours::Red << "+"
                        << "P";
    QTest::addRow("29") << 29 << Colours::Grey << "+"
                        << "I";
    QTest::addRow("0") << 0 << Colours::Green << ""
                       << "";
}

void TestEvenChanceTracker::marksOfEachPair()
{
    QFETCH(int, number);
    QFETCH(ColourCode, colourMark);
    QFETCH(QString, passeManque);
    QFETCH(QString, pairImpair);

    BoardModel board;
    board.enter(number);
    QCOMPARE(colour(board).cell(19), Mark::ofColour(colourMark));
    QCOMPARE(board.evenChance(EvenChance::PasseManque).cell(19), Mark::ofText(passeManque));
    QCOMPARE(board.evenChance(EvenChance::PairImpair).cell(19), Mark::ofText(pairImpair));
    // The colour window's unwritten cells equal no mark; the other two hold empty texts.
    QCOMPARE(colour(board).cell(18), Mark::ofColour(Colours::InactiveTitleBar));
    QCOMPARE(board.evenChance(EvenChance::PairImpair).cell(18), Mark::ofText(QString()));
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(board.evenChance(static_cast<EvenChance>(pair)).isShown());
    }
}

// Red four, five and six times, then black, red, black, red.
void TestEvenChanceTracker::workedExampleOfTheColourPair()
{
    BoardModel board;
    const Mark grey = Mark::ofColour(Colours::Grey);
    const Mark red = Mark::ofColour(Colours::Red);

    enterAll(board, {3, 5, 7});
    QVERIFY(!board.isTimerEnabled(1));
    QCOMPARE(colour(board).label1Caption(), QString());

    board.enter(9); // fourth red
    QCOMPARE(colour(board).runLength(), 4);
    QCOMPARE(colour(board).alternationCount(), 0);
    QCOMPARE(colour(board).cell(20), grey);
    QCOMPARE(colour(board).label1Caption(), chance(140));
    QVERIFY(board.isTimerEnabled(1));
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver4).countCaption, QString());

    board.enter(12); // fifth red
    QCOMPARE(colour(board).label1Caption(), chance(150));
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver4).countCaption, QStringLiteral("2"));
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver5).countCaption, QString());

    board.enter(14); // sixth red: the first counter counts 3 then restarts at 1
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver4).countCaption, QStringLiteral("1"));
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver4).tirage, 1);
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver5).countCaption, QStringLiteral("2"));

    board.enter(Black);
    QCOMPARE(colour(board).runLength(), 1);
    QCOMPARE(colour(board).alternationCount(), 1);
    QVERIFY(!board.isTimerEnabled(1));
    QCOMPARE(colour(board).label1Caption(), QString());
    QCOMPARE(colour(board).cell(20), grey); // kept until advice changes it
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver4).countCaption, QStringLiteral("2"));
    QCOMPARE(colour(board).counter(EvenChanceTracker::RepetitionOver5).countCaption, QStringLiteral("3"));

    enterAll(board, {16, 4});
    QVERIFY(!board.isTimerEnabled(1));
    board.enter(18); // red, black, red, black, red: four alternations
    QCOMPARE(colour(board).runLength(), 1);
    QCOMPARE(colour(board).alternationCount(), 4);
    QCOMPARE(colour(board).cell(20), red);
    QCOMPARE(colour(board).label1Caption(), chance(140));
    QVERIFY(board.isTimerEnabled(1));
    QCOMPARE(colour(board).label10Caption(), QStringLiteral("4"));
}

// The 19 empty cells before a first zero equal its empty mark in the two text windows.
void TestEvenChanceTracker::zeroAsTheFirstEntry()
{
    BoardModel board;
    board.enter(0);

    for (const EvenChance pair : {EvenChance::PasseManque, EvenChance::PairImpair}) {
        const EvenChanceTracker& tracker = board.evenChance(pair);
        QCOMPARE(tracker.runLength(), 20);
        QCOMPARE(tracker.alternationCount(), 19);
        QCOMPARE(tracker.label1Caption(), chance(290));
        QCOMPARE(tracker.cell(20), Mark::ofText(QString()));
        for (int kind = 0; kind < EvenChanceTracker::CounterCount; ++kind) {
            QCOMPARE(tracker.counter(kind).countCaption, QStringLiteral("2"));
        }
    }
    QVERIFY(board.isTimerEnabled(2));
    QVERIFY(board.isTimerEnabled(3));

    QCOMPARE(colour(board).runLength(), 1);
    QCOMPARE(colour(board).alternationCount(), 0);
    QCOMPARE(colour(board).label1Caption(), QString());
    QVERIFY(!board.isTimerEnabled(1));
    for (int kind = 0; kind < EvenChanceTracker::CounterCount; ++kind) {
        QCOMPARE(colour(board).counter(kind).countCaption, QString());
    }
}

void TestEvenChanceTracker::fourZerosInARow()
{
    BoardModel board;
    enterAll(board, {1, 3, 5, 7}); // red run: suggestion black
    QCOMPARE(colour(board).cell(20), Mark::ofColour(Colours::Grey));
    enterAll(board, {0, 0, 0});
    QVERIFY(!board.isTimerEnabled(1));
    board.enter(0);
    QCOMPARE(colour(board).runLength(), 4);
    QCOMPARE(colour(board).alternationCount(), 0);
    QCOMPARE(colour(board).label1Caption(), chance(140));
    QVERIFY(board.isTimerEnabled(1));
    QCOMPARE(colour(board).cell(20), Mark::ofColour(Colours::Grey)); // a zero suggests nothing

    board.enter(Red); // after the zeros a number starts afresh
    QCOMPARE(colour(board).runLength(), 1);
    QCOMPARE(colour(board).alternationCount(), 0);
}

void TestEvenChanceTracker::fullHistories_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("alternation");

    QList<int> equal(20, Red);
    QList<int> alternating;
    for (int i = 0; i < 20; ++i) {
        alternating << (i % 2 == 0 ? Red : Black);
    }
    QTest::addRow("20 equal marks") << equal << 300 << 20 << 0;
    QTest::addRow("21 equal marks count 20") << (equal + QList<int>{Red}) << 300 << 20 << 0;
    QTest::addRow("20 alternating marks") << alternating << 290 << 1 << 19;
    QTest::addRow("22 alternating marks count 19")
        << (alternating + QList<int>{Red, Black}) << 290 << 1 << 19;
}

void TestEvenChanceTracker::fullHistories()
{
    QFETCH(QList<int>, numbers);
    QFETCH(int, percent);
    QFETCH(int, run);
    QFETCH(int, alternation);

    BoardModel board;
    enterAll(board, numbers);
    QCOMPARE(colour(board).runLength(), run);
    QCOMPARE(colour(board).alternationCount(), alternation);
    QCOMPARE(colour(board).label1Caption(), chance(percent));
}

void TestEvenChanceTracker::oldestMarkDropsOut()
{
    BoardModel board;
    board.enter(0); // green, then 20 reds push it out
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(colour(board).cell(19 - i), Mark::ofColour(Colours::Green));
        board.enter(Red);
    }
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(colour(board).cell(i), Mark::ofColour(Colours::Red));
    }
}

void TestEvenChanceTracker::counterWarnings_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("longRun");
    QTest::addColumn<int>("orangeAt");
    QTest::addColumn<int>("redAt");

    QTest::addRow("repetition over 4")
        << int(EvenChanceTracker::RepetitionOver4) << QList<int>(5, Red) << 30 << 45;
    QTest::addRow("repetition over 5")
        << int(EvenChanceTracker::RepetitionOver5) << QList<int>(6, Red) << 51 << 77;
    QTest::addRow("alternation over 4") << int(EvenChanceTracker::AlternationOver4)
                                        << QList<int>{Red, Black, Red, Black, Red, Black} << 30 << 45;
    QTest::addRow("alternation over 5") << int(EvenChanceTracker::AlternationOver5)
                                        << QList<int>{Black, Red, Black, Red, Black, Red, Black} << 51 << 77;
}

// The box warns when the draws since the last long run pile up, and calms down at the next.
void TestEvenChanceTracker::counterWarnings()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, longRun);
    QFETCH(int, orangeAt);
    QFETCH(int, redAt);

    BoardModel board;
    enterAll(board, longRun);
    const auto counter = [&board, kind] { return colour(board).counter(kind); };
    QCOMPARE(counter().countCaption, QStringLiteral("2"));

    // Black, black, red, red...: no run over 2, no alternation over 1. Every long run above
    // ends on black.
    const QList<int> calm = {Black, Black, Red, Red};
    int count = 2;
    for (int i = 0; count < redAt + 3; ++i) {
        board.enter(calm[i % 4]);
        ++count;
        QCOMPARE(counter().countCaption, QString::number(count));
        const ColourCode expected = count >= redAt ? Colours::Red
            : count >= orangeAt                    ? Colours::Orange
                                                   : Colours::InactiveTitleBar;
        QVERIFY2(counter().warningColour == expected, qPrintable(QStringLiteral("count %1").arg(count)));
    }

    // The next long run: the box returns to its idle colour and the count to 1.
    board.enter(Black); // keeps the calm pattern from lining up with the run
    board.enter(Black);
    enterAll(board, longRun);
    QCOMPARE(counter().countCaption, QStringLiteral("1"));
    QCOMPARE(counter().warningColour, Colours::InactiveTitleBar);
}

void TestEvenChanceTracker::blinkPhaseIsKeptBetweenRuns()
{
    BoardModel board;
    enterAll(board, {1, 3, 5, 7});
    QCOMPARE(colour(board).label1Colour(), Colours::ButtonFace);
    board.blinkTick(1);
    QCOMPARE(colour(board).label1Colour(), Colours::Red);
    QCOMPARE(colour(board).phase(), 1);

    board.enter(9); // advice again; the caption returns to normal at once
    QCOMPARE(colour(board).label1Colour(), Colours::ButtonFace);
    QVERIFY(board.isTimerEnabled(1));
    board.blinkTick(1); // left at phase 1: the first step shows the normal colour
    QCOMPARE(colour(board).label1Colour(), Colours::ButtonFace);
    board.blinkTick(1);
    QCOMPARE(colour(board).label1Colour(), Colours::Red);

    board.enter(Black); // no advice: the blink stops and ticks change nothing
    QVERIFY(!board.isTimerEnabled(1));
    board.blinkTick(1);
    QCOMPARE(colour(board).label1Colour(), Colours::ButtonFace);
}

void TestEvenChanceTracker::slideTakesOneHundredAndTwoSteps()
{
    SlideModel slide;
    QCOMPARE(slide.tag(), QStringLiteral("0"));
    QCOMPARE(slide.height(), 690);
    QCOMPARE(slide.picture(), QStringLiteral("flecheB.ico"));

    for (const auto& [target, tag, picture] :
        {std::tuple{1710, "1", "flecheH.ico"}, std::tuple{690, "0", "flecheB.ico"}}) {
        slide.Command1_Click();
        QCOMPARE(slide.tag(), QString::fromLatin1(tag));
        QVERIFY(!slide.isButtonEnabled());
        QVERIFY(slide.isTimerEnabled());
        slide.Command1_Click(); // a click half-way changes nothing
        int steps = 0;
        int previous = slide.height();
        while (slide.isTimerEnabled() && steps < 1000) {
            slide.Timer1_Timer();
            QCOMPARE(std::abs(slide.height() - previous), 10);
            previous = slide.height();
            ++steps;
            if (slide.isTimerEnabled()) {
                QVERIFY(!slide.isButtonEnabled());
            }
        }
        QCOMPARE(steps, 102);
        QCOMPARE(slide.height(), target);
        QVERIFY(slide.isButtonEnabled());
        QCOMPARE(slide.decalage(), 0);
        QCOMPARE(slide.picture(), QString::fromLatin1(picture));
    }
}

QTEST_GUILESS_MAIN(TestEvenChanceTracker)
#include "tst_evenchancetracker.moc"
