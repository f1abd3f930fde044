// The board of one run without any window: attributes, hit counts, the level of the
// least-drawn numbers, the strip of the last draws.
#include "board/BoardModel.h"
#include "board/Roulette.h"

#include <QRandomGenerator>
#include <QTest>
#include <algorithm>

class TestBoardModel : public QObject
{
    Q_OBJECT

private slots:
    void attributesOfEveryNumber_data();
    void attributesOfEveryNumber();
    void startState();
    void firstDrawOfSeven();
    void zeroCountsLikeAnyNumber();
    void levelRisesWhenTheLastNumberAtItComesOut();
    void levelCountLabelOnlyWrittenWhenNumbersRemain();
    void stripKeepsTheLastTwentyTwo();
    void longGameAgreesWithItsDraws();
};

void TestBoardModel::attributesOfEveryNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("code");
    QTest::addColumn<ColourCode>("colour");
    QTest::addRow("0") << 0 << QStringLiteral("") << Colours::Green;
    QTest::addRow("1") << 1 << QStringLiteral("-I11") << Colours::Red;
    QTest::addRow("2") << 2 << QStringLiteral("-P12") << Colours::Grey;
    QTest::addRow("3") << 3 << QStringLiteral("-I13") << Colours::Red;
    QTest::addRow("4") << 4 << QStringLiteral("-P11") << Colours::Grey;
    QTest::addRow("5") << 5 << QStringLiteral("-I12") << Colours::Red;
    QTest::addRow("6") << 6 << QStringLiteral("-P13") << Colours::Grey;
    QTest::addRow("7") << 7 << QStringLiteral("-I11") << Colours::Red;
    QTest::addRow("8") << 8 << QStringLiteral("-P12") << Colours::Grey;
    QTest::addRow("9") << 9 << QStringLiteral("-I13") << Colours::Red;
    QTest::addRow("10") << 10 << QStringLiteral("-P11") << Colours::Grey;
    QTest::addRow("11") << 11 << QStringLiteral("-I12") << Colours::Grey;
    QTest::addRow("12") << 12 << QStringLiteral("-P13") << Colours::Red;
    QTest::addRow("13") << 13 << QStringLiteral("-I21") << Colours::Grey;
    QTest::addRow("14") << 14 << QStringLiteral("-P22") << Colours::Red;
    QTest::addRow("15") << 15 << QStringLiteral("-I23") << Colours::Grey;
    QTest::addRow("16") << 16 << QStringLiteral("-P21") << Colours::Red;
    QTest::addRow("17") << 17 << QStringLiteral("-I22") << Colours::Grey;
    QTest::addRow("18") << 18 << QStringLiteral("-P23") << Colours::Red;
    QTest::addRow("19") << 19 << QStringLiteral("+I21") << Colours::Red;
    QTest::addRow("20") << 20 << QStringLiteral("+P22") << Colours::Grey;
    QTest::addRow("21") << 21 << QStringLiteral("+I23") << Colours::Red;
    QTest::addRow("22") << 22 << QStringLiteral("+P21") << Colours::Grey;
    QTest::addRow("23") << 23 << QStringLiteral("+I22") << Colours::Red;
    QTest::addRow("24") << 24 << QStringLiteral("+P23") << Colours::Grey;
    QTest::addRow("25") << 25 << QStringLiteral("+I31") << Colours::Red;
    QTest::addRow("26") << 26 << QStringLiteral("+P32") << Colours::Grey;
    QTest::addRow("27") << 27 << QStringLiteral("+I33") << Colours::Red;
    QTest::addRow("28") << 28 << QStringLiteral("+P31") << Colours::Grey;
    QTest::addRow("29") << 29 << QStringLiteral("+I32") << Colours::Grey;
    QTest::addRow("30") << 30 << QStringLiteral("+P33") << Colours::Red;
    QTest::addRow("31") << 31 << QStringLiteral("+I31") << Colours::Grey;
    QTest::addRow("32") << 32 << QStringLiteral("+P32") << Colours::Red;
    QTest::addRow("33") << 33 << QStringLiteral("+I33") << Colours::Grey;
    QTest::addRow("34") << 34 << QStringLiteral("+P31") << Colours::Red;
    QTest::addRow("35") << 35 << QStringLiteral("+I32") << Colours::Grey;
    QTest::addRow("36") << 36 << QStringLiteral("+P33") << Colours::Red;
}

void TestBoardModel::attributesOfEveryNumber()
{
    QFETCH(int, number);
    QFETCH(QString, code);
    QFETCH(ColourCode, colour);

    const BoardModel board;
    const NumberCell& cell = board.cell(number);
    QCOMPARE(cell.tag, code);
    QCOMPARE(cell.backColour, colour);
    QCOMPARE(cell.text, QString::number(number));
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(Roulette::attribute(cell.tag, k), code.mid(k - 1, 1));
    }
}

void TestBoardModel::startState()
{
    const BoardModel board;
    QCOMPARE(board.label2Caption(), QStringLiteral("N° Pas encore Sortis :"));
    QCOMPARE(board.label3Caption(), QString());
    QCOMPARE(board.label4Caption(), QString());
    QCOMPARE(board.label8Colour(), Colours::Green);
    QCOMPARE(board.boardHeight(), 1780);
    QCOMPARE(board.tirage(), 0);
    QCOMPARE(board.repetitionSorti(), 0);
    QVERIFY(board.draws().empty());
    for (int i = 0; i < BoardModel::StripLength; ++i) {
        QCOMPARE(board.stripSquare(i), (CaptionBox{QString(), Colours::InactiveTitleBar}));
    }
    for (int i = 0; i < BoardModel::CandidateCount; ++i) {
        QCOMPARE(board.candidate(i), (CaptionBox{QString(), Colours::InactiveTitleBar}));
    }
    for (int timer = 1; timer <= BoardModel::BlinkTimerCount; ++timer) {
        QVERIFY(!board.isTimerEnabled(timer));
    }
    for (int i = 0; i < BoardModel::DozenColumnBoxCount; ++i) {
        QCOMPARE(board.dozenColumnBoxColour(i), Colours::InactiveTitleBar);
    }
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        QCOMPARE(board.cell(n).toolTip(), QString());
        QCOMPARE(board.cell(n).foreColour, Colours::WindowText);
    }
}

void TestBoardModel::firstDrawOfSeven()
{
    BoardModel board;
    board.enter(7);

    QCOMPARE(board.label4Caption(), QStringLiteral("1"));
    QCOMPARE(board.stripSquare(21), (CaptionBox{QStringLiteral("7"), Colours::Red}));
    for (int i = 0; i < 21; ++i) {
        QCOMPARE(board.stripSquare(i), (CaptionBox{QString(), Colours::InactiveTitleBar}));
    }
    QCOMPARE(board.cell(7).toolTip(), QStringLiteral(" 1 Fois Sorti"));
    QCOMPARE(board.cell(8).toolTip(), QString());
    QCOMPARE(board.levelCount(), 36);
    QCOMPARE(board.label3Caption(), QStringLiteral("36"));
    QCOMPARE(board.repetitionSorti(), 0);
    QCOMPARE(board.label2Caption(), QStringLiteral("N° Pas encore Sortis :"));

    board.enter(7);
    board.enter(7);
    QCOMPARE(board.cell(7).toolTip(), QStringLiteral(" 3 Fois Sorti"));
    QCOMPARE(board.label4Caption(), QStringLiteral("3"));
}

void TestBoardModel::zeroCountsLikeAnyNumber()
{
    BoardModel board;
    board.enter(0);
    QCOMPARE(board.stripSquare(21), (CaptionBox{QStringLiteral("0"), Colours::Green}));
    QCOMPARE(board.cell(0).toolTip(), QStringLiteral(" 1 Fois Sorti"));
    QCOMPARE(board.levelCount(), 36);
}

void TestBoardModel::levelRisesWhenTheLastNumberAtItComesOut()
{
    BoardModel board;
    // Every number once, 17 of them a second time, in a scrambled order; 36 comes last.
    for (int n = 0; n < 36; ++n) {
        board.enter((n * 7) % 36);
        if (n % 2 == 0) {
            board.enter((n * 7) % 36);
        }
    }
    QCOMPARE(board.label3Caption(), QStringLiteral("1"));
    QCOMPARE(board.repetitionSorti(), 0);

    board.enter(36);
    QCOMPARE(board.levelCount(), 0);
    QCOMPARE(board.label3Caption(), QStringLiteral("1")); // kept from the previous draw
    QCOMPARE(board.repetitionSorti(), 1);
    QCOMPARE(board.label2Caption(), QStringLiteral(" N° Sortis Seulement : 1 Fois"));
    QCOMPARE(board.label8Colour(), Colours::Green);
    QCOMPARE(board.compteurProbabiliteNumero(), 0);

    // The next draw counts the numbers drawn exactly once: the 18 drawn twice are not among
    // them, 36 is.
    board.enter(0);
    QCOMPARE(board.levelCount(), 19);
    QCOMPARE(board.label3Caption(), QStringLiteral("19"));
}

void TestBoardModel::levelCountLabelOnlyWrittenWhenNumbersRemain()
{
    BoardModel board;
    for (int n = 0; n <= 36; ++n) {
        board.enter(n);
    }
    QCOMPARE(board.repetitionSorti(), 1);
    // All at one hit: the second round works the same way up to the next level.
    for (int n = 36; n >= 1; --n) {
        board.enter(n);
        QCOMPARE(board.levelCount(), n);
        QCOMPARE(board.label3Caption(), QString::number(n));
    }
    board.enter(0);
    QCOMPARE(board.levelCount(), 0);
    QCOMPARE(board.label3Caption(), QStringLiteral("1"));
    QCOMPARE(board.label2Caption(), QStringLiteral(" N° Sortis Seulement : 2 Fois"));
}

void TestBoardModel::stripKeepsTheLastTwentyTwo()
{
    BoardModel board;
    const int draws[23] = {5, 17, 0, 36, 12, 8, 8, 21, 33, 2, 14, 9, 30, 1, 0, 26, 19, 4, 11, 35, 7, 24, 13};
    for (const int n : draws) {
        board.enter(n);
    }
    // The first draw (5) has left; element 0 holds the second.
    QCOMPARE(board.stripSquare(0), (CaptionBox{QStringLiteral("17"), Colours::Grey}));
    for (int i = 0; i < BoardModel::StripLength; ++i) {
        const int n = draws[i + 1];
        QCOMPARE(board.stripSquare(i), (CaptionBox{QString::number(n), Roulette::colourCodeOf(n)}));
    }
}

// A long random game: what the board shows always agrees with the list of draws.
void TestBoardModel::longGameAgreesWithItsDraws()
{
    QRandomGenerator random(20261206);
    BoardModel board;
    std::array<int, Roulette::NumberCount> hits{};
    for (int draw = 1; draw <= 5000; ++draw) {
        const int n = static_cast<int>(random.bounded(Roulette::NumberCount));
        board.enter(n);
        ++hits[static_cast<std::size_t>(n)];

        QCOMPARE(board.tirage(), draw);
        QCOMPARE(static_cast<int>(board.draws().size()), draw);
        QCOMPARE(static_cast<int>(board.draws().back()), n);
        const int lowest = *std::min_element(hits.begin(), hits.end());
        const int atLowest = static_cast<int>(std::count(hits.begin(), hits.end(), lowest));
        // The level is always the lowest hit count; when this draw emptied the old level,
        // the level count is 0 and the level has just risen to it.
        QCOMPARE(board.repetitionSorti(), lowest);
        if (board.levelCount() != 0) {
            QCOMPARE(board.levelCount(), atLowest);
        } else {
            QCOMPARE(hits[static_cast<std::size_t>(n)], lowest);
        }
        if (draw % 97 == 0) {
            for (int m = 0; m < Roulette::NumberCount; ++m) {
                QCOMPARE(board.cell(m).hitCount, hits[static_cast<std::size_t>(m)]);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestBoardModel)
#include "tst_boardmodel.moc"
