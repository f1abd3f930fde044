// Dozens, columns and the least-drawn numbers without any window: the histories and their
// runs, the yellow dozens and columns, the candidate row, its blink and the waiting indicator.
#include "board/BoardModel.h"
#include "dozens/DozensModel.h"
#include "dozens/HistoryRow.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <vector>

using Draws = QList<int>;

class TestDozensModel : public QObject
{
    Q_OBJECT

private slots:
    void runsStartBlinks_data();
    void runsStartBlinks();
    void restartedBlinkColoursOnItsSecondTick();
    void numberAdvice_data();
    void numberAdvice();
    void candidateNumbersBlink();
    void waitingIndicator_data();
    void waitingIndicator();
    void firstCount_data();
    void firstCount();
    void previousCountSurvivesTheLevelRise();
    void longGameListsTheNumbersAtTheLevel();
};

namespace {

// Text2 to Text7 written as six characters, Y for yellow and . for idle: "..YY.." is Text4
// and Text5 yellow.
QString boxes(const BoardModel& board)
{
    QString shown;
    for (int i = 0; i < BoardModel::DozenColumnBoxCount; ++i) {
        const ColourCode colour = board.dozenColumnBoxColour(i);
        shown += colour == Colours::Yellow
            ? QLatin1Char('Y')
            : (colour == Colours::InactiveTitleBar ? QLatin1Char('.') : QLatin1Char('?'));
    }
    return shown;
}

void enterAll(BoardModel& board, const Draws& draws)
{
    for (const int n : draws) {
        board.enter(n);
    }
}

// The thresholds as the indicator's table gives them: {level count, orange from, red above}.
struct Threshold
{
    int levelCount;
    int orange;
    int red;
};
// clang-format off
constexpr Threshold Thresholds[] = {
    {10, 3, 6}, {9, 4, 8}, {8, 5, 10}, {7, 6, 12}, {6, 6, 12},
    {5, 7, 14}, {4, 9, 18}, {3, 12, 24}, {2, 18, 36}, {1, 36, 72},
};
// clang-format on

// The colour the indicator must show after `waited` unchanged counts of `levelCount`
// candidates, when it was green at the last change.
ColourCode expectedIndicator(int levelCount, int waited)
{
    for (const Threshold& row : Thresholds) {
        if (row.levelCount == levelCount) {
            if (waited > row.red) {
                return Colours::Red;
            }
            return waited >= row.orange ? Colours::Orange : Colours::Green;
        }
    }
    return Colours::Green;
}

QString dozenOf(int n)
{
    return n == 0 ? QString() : QString::number((n - 1) / 12 + 1);
}

QString columnOf(int n)
{
    return n == 0 ? QString() : QString::number((n - 1) % 3 + 1);
}

} // namespace

void TestDozensModel::runsStartBlinks_data()
{
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<bool>("dozenBlink");
    QTest::addColumn<bool>("columnBlink");
    QTest::addColumn<QString>("clignodouze");
    QTest::addColumn<QString>("clignocolone");
    QTest::addColumn<QString>("yellowAfterFirstTicks"); // Text2..Text7

    // clang-format off
    QTest::addRow("2 6 10")             << Draws{2, 6, 10}         << true  << false << "1" << ""  << ".YY...";
    QTest::addRow("1 4 7")              << Draws{1, 4, 7}          << true  << true  << "1" << "1" << ".YY.YY";
    QTest::addRow("1 2 3")              << Draws{1, 2, 3}          << true  << false << "1" << ""  << ".YY...";
    QTest::addRow("only two equal")     << Draws{1, 4}             << false << false << ""  << ""  << "......";
    QTest::addRow("zero first")         << Draws{0}                << true  << true  << ""  << ""  << "......";
    QTest::addRow("three zeros")        << Draws{5, 0, 0, 0}       << true  << true  << ""  << ""  << "......";
    QTest::addRow("two zeros")          << Draws{5, 17, 0, 0}      << false << false << ""  << ""  << "......";
    QTest::addRow("column 2")           << Draws{2, 17, 35}        << false << true  << ""  << "2" << "...Y.Y";
    QTest::addRow("column 3, dozen 3")  << Draws{27, 30, 33}       << true  << true  << "3" << "3" << "YY.YY.";
    QTest::addRow("dozen 2 after 1")    << Draws{1, 4, 13, 16, 19} << true  << true  << "2" << "1" << "Y.Y.YY";
    QTest::addRow("4th dozen ends run") << Draws{1, 4, 7, 13}      << false << true  << "1" << "1" << "....YY";
    // clang-format on
}

void TestDozensModel::runsStartBlinks()
{
    QFETCH(Draws, draws);
    QFETCH(bool, dozenBlink);
    QFETCH(bool, columnBlink);
    QFETCH(QString, clignodouze);
    QFETCH(QString, clignocolone);
    QFETCH(QString, yellowAfterFirstTicks);

    BoardModel board;
    enterAll(board, draws);
    QCOMPARE(board.isTimerEnabled(5), dozenBlink);
    QCOMPARE(board.isTimerEnabled(4), columnBlink);
    QCOMPARE(board.dozens().clignodouze(), clignodouze);
    QCOMPARE(board.dozens().clignocolone(), clignocolone);
    QCOMPARE(boxes(board), QStringLiteral("......"));

    board.blinkTick(4);
    board.blinkTick(5);
    QCOMPARE(boxes(board), yellowAfterFirstTicks);
    QCOMPARE(board.dozens().label6Colour(), dozenBlink ? Colours::Red : Colours::InactiveTitleBar);
    QCOMPARE(board.dozens().label5Colour(), columnBlink ? Colours::Red : Colours::InactiveTitleBar);

    // The next entry clears what they showed.
    board.enter(11);
    QCOMPARE(boxes(board), QStringLiteral("......"));
    QCOMPARE(board.dozens().label5Colour(), Colours::InactiveTitleBar);
    QCOMPARE(board.dozens().label6Colour(), Colours::InactiveTitleBar);
}

// A blink stopped at its red phase goes on from there when the next entry starts it again:
// its first tick only turns the indicator to button face.
void TestDozensModel::restartedBlinkColoursOnItsSecondTick()
{
    BoardModel board;
    enterAll(board, {3, 6, 9}); // column 3 thrice (and dozen 1)
    board.blinkTick(4);
    QCOMPARE(board.dozens().delaic(), 1);
    QCOMPARE(boxes(board), QStringLiteral("...YY."));

    board.enter(12); // column 3 a fourth time
    QVERIFY(board.isTimerEnabled(4));
    QCOMPARE(boxes(board), QStringLiteral("......"));
    QCOMPARE(board.dozens().label5Colour(), Colours::InactiveTitleBar);

    board.blinkTick(4);
    QCOMPARE(board.dozens().label5Colour(), Colours::ButtonFace);
    QCOMPARE(boxes(board), QStringLiteral("......"));
    board.blinkTick(4);
    QCOMPARE(board.dozens().label5Colour(), Colours::Red);
    QCOMPARE(boxes(board), QStringLiteral("...YY."));
}

void TestDozensModel::numberAdvice_data()
{
    QTest::addColumn<Draws>("draws");
    QTest::addColumn<int>("levelCount");
    QTest::addColumn<Draws>("candidates");

    Draws from10;
    for (int n = 10; n <= 36; ++n) {
        from10 << n;
    }
    Draws from11 = from10.mid(1);
    Draws allOnce{0};
    allOnce += from10;
    for (int n = 9; n >= 1; --n) {
        allOnce << n;
    }

    QTest::addRow("K=10") << from10 << 10 << Draws{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    QTest::addRow("K=11") << from11 << 11 << Draws{};
    QTest::addRow("K=0, the level rises") << allOnce << 0 << Draws{};
    Draws scattered = allOnce;
    for (int n = 0; n <= 33; ++n) {
        scattered << (n * 7) % 34; // 0 to 33 in a scrambled order
    }
    QTest::addRow("K=3 at the second level, scattered") << scattered << 3 << Draws{34, 35, 36};
}

void TestDozensModel::numberAdvice()
{
    QFETCH(Draws, draws);
    QFETCH(int, levelCount);
    QFETCH(Draws, candidates);

    BoardModel board;
    enterAll(board, draws);
    QCOMPARE(board.levelCount(), levelCount);

    const bool advised = levelCount >= 1 && levelCount <= 10;
    QCOMPARE(board.boardHeight(), advised ? 2040 : 1780);
    QCOMPARE(board.isTimerEnabled(6), advised);
    if (advised) {
        QCOMPARE(board.dozens().nombacglino(), levelCount - 1);
        QCOMPARE(board.dozens().nombacglino2(), levelCount);
    }
    for (int i = 0; i < BoardModel::CandidateCount; ++i) {
        if (i < candidates.size()) {
            const int n = candidates[i];
            QCOMPARE(board.candidate(i), (CaptionBox{QString::number(n), Roulette::colourCodeOf(n)}));
        } else {
            QCOMPARE(board.candidate(i), CaptionBox{});
        }
    }
}

void TestDozensModel::candidateNumbersBlink()
{
    BoardModel board;
    for (int n = 0; n <= 36; ++n) {
        if (n != 4 && n != 19 && n != 30) {
            board.enter(n);
        }
    }
    QCOMPARE(board.levelCount(), 3);
    QVERIFY(board.isTimerEnabled(6));

    auto yellowCells = [&board] {
        Draws yellow;
        for (int n = 0; n <= 36; ++n) {
            if (board.cell(n).foreColour == Colours::Yellow) {
                yellow << n;
            } else if (board.cell(n).foreColour != Colours::WindowText) {
                yellow << -1;
            }
        }
        return yellow;
    };
    board.blinkTick(6);
    QCOMPARE(yellowCells(), (Draws{4, 19, 30}));
    board.blinkTick(6);
    QCOMPARE(yellowCells(), Draws{});
    board.blinkTick(6);
    QCOMPARE(yellowCells(), (Draws{4, 19, 30}));

    // The next entry restores every cell.
    board.enter(19);
    QCOMPARE(yellowCells(), Draws{});
}

// The indicator at the edges of orange and red, for every number of candidates. The
// candidates stay the same while numbers already drawn come out again.
void TestDozensModel::waitingIndicator_data()
{
    QTest::addColumn<int>("levelCount");
    QTest::addColumn<int>("waited");
    QTest::addColumn<ColourCode>("colour");

    for (const Threshold& row : Thresholds) {
        const int k = row.levelCount;
        QTest::addRow("K=%d c=%d green", k, row.orange - 1) << k << row.orange - 1 << Colours::Green;
        QTest::addRow("K=%d c=%d orange", k, row.orange) << k << row.orange << Colours::Orange;
        QTest::addRow("K=%d c=%d orange", k, row.red) << k << row.red << Colours::Orange;
        QTest::addRow("K=%d c=%d red", k, row.red + 1) << k << row.red + 1 << Colours::Red;
    }
}

void TestDozensModel::waitingIndicator()
{
    QFETCH(int, levelCount);
    QFETCH(int, waited);
    QFETCH(ColourCode, colour);

    BoardModel board;
    // Numbers levelCount to 36 once: the count goes 10, 9, ... down to levelCount. The first
    // count of ten candidates already counts one unchanged entry.
    for (int n = levelCount; n <= 36; ++n) {
        board.enter(n);
    }
    QCOMPARE(board.levelCount(), levelCount);
    QCOMPARE(board.compteurProbabiliteNumero(), levelCount == 10 ? 1 : 0);
    QCOMPARE(board.label8Colour(), Colours::Green);

    while (board.compteurProbabiliteNumero() < waited) {
        board.enter(36);
        QCOMPARE(board.dozens().nombacglino2(), levelCount);
    }
    QCOMPARE(board.compteurProbabiliteNumero(), waited);
    QCOMPARE(board.label8Colour(), colour);
    QCOMPARE(board.dozens().anciennombacglino(), levelCount);

    // A candidate comes out (the last one rises the level): the count starts again, on green.
    board.enter(0);
    QCOMPARE(board.compteurProbabiliteNumero(), 0);
    QCOMPARE(board.label8Colour(), Colours::Green);
}

// Before any count the previous count reads ten: a first count of ten candidates is already
// one unchanged entry, a first count of seven is a change.
void TestDozensModel::firstCount_data()
{
    QTest::addColumn<int>("levelCount");
    QTest::addColumn<int>("waited");
    QTest::addColumn<int>("untilOrange");

    QTest::addRow("K=10") << 10 << 1 << 2;
    QTest::addRow("K=7") << 7 << 0 << 6;
}

void TestDozensModel::firstCount()
{
    QFETCH(int, levelCount);
    QFETCH(int, waited);
    QFETCH(int, untilOrange);

    BoardModel board;
    DozensModel dozens;
    dozens.startCandidateBlink(board, levelCount);
    QCOMPARE(dozens.anciennombacglino(), levelCount);
    QCOMPARE(dozens.nombacglino(), levelCount - 1);
    QCOMPARE(dozens.nombacglino2(), levelCount);
    QCOMPARE(board.compteurProbabiliteNumero(), waited);
    QCOMPARE(board.label8Colour(), Colours::Green);
    QVERIFY(board.isTimerEnabled(6));

    for (int i = 1; i < untilOrange; ++i) {
        dozens.startCandidateBlink(board, levelCount);
    }
    QCOMPARE(board.label8Colour(), Colours::Green);
    dozens.startCandidateBlink(board, levelCount);
    QCOMPARE(board.label8Colour(), Colours::Orange);
}

// The previous count is kept across a rise of the level: when the new level starts with as
// many candidates as the old one ended with, the count goes on.
void TestDozensModel::previousCountSurvivesTheLevelRise()
{
    BoardModel board;
    for (int n = 1; n <= 36; ++n) {
        board.enter(n); // the level ends with zero alone
    }
    for (int n = 2; n <= 36; ++n) {
        board.enter(n);
    }
    QCOMPARE(board.levelCount(), 1);
    QCOMPARE(board.compteurProbabiliteNumero(), 35);
    QCOMPARE(board.label8Colour(), Colours::Green);

    board.enter(0); // the level rises: 0 and 1 have come out once
    QCOMPARE(board.repetitionSorti(), 1);
    QCOMPARE(board.compteurProbabiliteNumero(), 0);
    QCOMPARE(board.boardHeight(), 1780);

    board.enter(0); // 1 alone is left at the level
    QCOMPARE(board.levelCount(), 1);
    QCOMPARE(board.dozens().anciennombacglino(), 1);
    QCOMPARE(board.compteurProbabiliteNumero(), 1);
    QCOMPARE(board.label8Colour(), Colours::Green);
}

// Thousands of entries with blink ticks between them: the candidate row always lists the
// numbers at the level in increasing order, the histories always hold the last twenty draws,
// and only advised dozens, columns and numbers ever turn yellow.
void TestDozensModel::longGameListsTheNumbersAtTheLevel()
{
    QRandomGenerator random(4041);
    BoardModel board;
    std::array<int, Roulette::NumberCount> hits{};
    std::vector<int> draws;
    int advisedEntries = 0;
    int yellowBoxesSeen = 0;

    for (int entry = 1; entry <= 6000; ++entry) {
        // Now and then the same few numbers, so that runs and long waits happen too.
        const int n = random.bounded(4) == 0 ? static_cast<int>(random.bounded(3)) * 3 + 1
                                             : static_cast<int>(random.bounded(Roulette::NumberCount));
        board.enter(n);
        ++hits[static_cast<std::size_t>(n)];
        draws.push_back(n);

        const int lowest = *std::min_element(hits.begin(), hits.end());
        Draws atLevel;
        for (int m = 0; m < Roulette::NumberCount; ++m) {
            if (hits[static_cast<std::size_t>(m)] == board.repetitionSorti()) {
                atLevel << m;
            }
        }
        const int k = board.levelCount();
        // The level is the lowest hit count; an entry that empties it has a level count of 0.
        QCOMPARE(board.repetitionSorti(), lowest);
        QCOMPARE(k, hits[static_cast<std::size_t>(n)] == lowest ? 0 : static_cast<int>(atLevel.size()));

        if (k >= 1 && k <= 10) {
            ++advisedEntries;
            QCOMPARE(board.boardHeight(), 2040);
            QVERIFY(board.isTimerEnabled(6));
            QCOMPARE(board.dozens().nombacglino2(), k);
            for (int i = 0; i < BoardModel::CandidateCount; ++i) {
                const CaptionBox expected = i < k
                    ? CaptionBox{QString::number(atLevel[i]), Roulette::colourCodeOf(atLevel[i])}
                    : CaptionBox{};
                QCOMPARE(board.candidate(i), expected);
            }
        } else {
            QCOMPARE(board.boardHeight(), 1780);
            QVERIFY(!board.isTimerEnabled(6));
            for (int i = 0; i < BoardModel::CandidateCount; ++i) {
                QCOMPARE(board.candidate(i), CaptionBox{});
            }
        }
        QCOMPARE(board.label8Colour(),
            expectedIndicator(board.dozens().nombacglino2(), board.compteurProbabiliteNumero()));

        // The rows hold the last twenty draws' dozens and columns; empty squares before the
        // first draw.
        QStringList dozenRow;
        QStringList columnRow;
        for (int i = 0; i < HistoryRow::Length; ++i) {
            const int back = HistoryRow::Length - i;
            const bool drawn = static_cast<int>(draws.size()) >= back;
            const int m = drawn ? draws[draws.size() - static_cast<std::size_t>(back)] : 0;
            dozenRow << dozenOf(m);
            columnRow << columnOf(m);
            QCOMPARE(board.dozens().dozens().caption(i), dozenRow.last());
            QCOMPARE(board.dozens().columns().caption(i), columnRow.last());
        }
        const bool dozenRun = dozenRow[19] == dozenRow[18] && dozenRow[18] == dozenRow[17];
        const bool columnRun = columnRow[19] == columnRow[18] && columnRow[18] == columnRow[17];
        QCOMPARE(board.isTimerEnabled(5), dozenRun);
        QCOMPARE(board.isTimerEnabled(4), columnRun);

        // A few ticks of every timer, which only running timers act on.
        for (int timer = 4; timer <= 6; ++timer) {
            for (int tick = static_cast<int>(random.bounded(4)); tick > 0; --tick) {
                board.blinkTick(timer);
            }
        }
        for (int i = 0; i < BoardModel::DozenColumnBoxCount; ++i) {
            if (board.dozenColumnBoxColour(i) == Colours::InactiveTitleBar) {
                continue;
            }
            ++yellowBoxesSeen;
            QCOMPARE(board.dozenColumnBoxColour(i), Colours::Yellow);
            const bool isDozen = i < 3;
            QVERIFY(isDozen ? dozenRun : columnRun);
            const QString& repeated = isDozen ? dozenRow[19] : columnRow[19];
            QVERIFY(!repeated.isEmpty());
            QVERIFY(repeated != QString::number(i % 3 + 1));
        }
        for (int m = 0; m < Roulette::NumberCount; ++m) {
            if (board.cell(m).foreColour != Colours::WindowText) {
                QCOMPARE(board.cell(m).foreColour, Colours::Yellow);
                QVERIFY(k >= 1 && k <= 10 && atLevel.contains(m));
            }
        }
    }
    // The game went through the advice many times.
    QVERIFY(advisedEntries > 100);
    QVERIFY(yellowBoxesSeen > 100);
}

QTEST_GUILESS_MAIN(TestDozensModel)
#include "tst_dozensmodel.moc"
