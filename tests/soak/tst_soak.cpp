// A whole evening at the table: many entries through the real windows, blinks and slides
// running, and after every entry what the windows show is checked against the draws alone.
#include "board/Form1.h"
#include "board/Roulette.h"
#include "dozens/Form5.h"
#include "platform/Colours.h"
#include "platform/MessageBox.h"
#include "support/Controls.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <array>
#include <deque>

#ifndef TAMBREL_SOAK_ENTRIES
#define TAMBREL_SOAK_ENTRIES 100000
#endif

namespace {

QString passeManque(int n)
{
    return n == 0 ? QString() : (n <= 18 ? QStringLiteral("-") : QStringLiteral("+"));
}

QString pairImpair(int n)
{
    return n == 0 ? QString() : (n % 2 == 1 ? QStringLiteral("I") : QStringLiteral("P"));
}

QString dozen(int n)
{
    return n == 0 ? QString() : QString::number((n - 1) / 12 + 1);
}

QString column(int n)
{
    return n == 0 ? QString() : QString::number((n - 1) % 3 + 1);
}

int hitCountOf(const QString& toolTip)
{
    // " 3 Fois Sorti": the number after the leading blank; empty before the first hit.
    return toolTip.isEmpty() ? 0 : toolTip.section(QLatin1Char(' '), 1, 1).toInt();
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void longGameAgreesWithItsDraws();
};

void TestSoak::longGameAgreesWithItsDraws()
{
    const int entries = TAMBREL_SOAK_ENTRIES;
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    std::array<QLineEdit*, 37> cells{};
    for (int n = 0; n < 37; ++n) {
        cells[static_cast<std::size_t>(n)] = control<QLineEdit>(&board, "Text1", n);
    }
    std::array<QLabel*, 22> strip{};
    for (int i = 0; i < 22; ++i) {
        strip[static_cast<std::size_t>(i)] = control<QLabel>(&board, "Label5", i);
    }
    std::array<QLabel*, 10> candidates{};
    for (int i = 0; i < 10; ++i) {
        candidates[static_cast<std::size_t>(i)] = control<QLabel>(&board, "Label1", i);
    }
    QLabel* drawCount = control<QLabel>(&board, "Label4");
    std::array<std::array<QWidget*, 20>, 3> trendCells{};
    std::array<QPushButton*, 3> slideButtons{};
    for (int pair = 0; pair < 3; ++pair) {
        const TrendWindow* window = board.trendWindow(static_cast<EvenChance>(pair));
        for (int i = 0; i < 20; ++i) {
            trendCells[static_cast<std::size_t>(pair)][static_cast<std::size_t>(i)]
                = control<QWidget>(window, pair == 0 ? "Picture1" : "Text1", i);
        }
        slideButtons[static_cast<std::size_t>(pair)] = control<QPushButton>(window, "Command1");
    }
    std::array<QLabel*, 20> dozenRow{};
    std::array<QLabel*, 20> columnRow{};

    QRandomGenerator random(424242);
    std::deque<int> lastDraws;
    std::array<int, 37> hits{};
    int blinkTicksSeen = 0;
    int slidesStarted = 0;

    for (int entry = 1; entry <= entries; ++entry) {
        const int n = static_cast<int>(random.bounded(37));
        const int levelBefore = *std::min_element(hits.begin(), hits.end());

        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.Text1_Click(n));
        ++hits[static_cast<std::size_t>(n)];
        lastDraws.push_back(n);
        if (lastDraws.size() > 22) {
            lastDraws.pop_front();
        }

        if (entry == 1) {
            for (int i = 0; i < 20; ++i) {
                dozenRow[static_cast<std::size_t>(i)] = control<QLabel>(board.form5(), "Label2", i);
                columnRow[static_cast<std::size_t>(i)] = control<QLabel>(board.form5(), "Label1", i);
            }
        }

        // The hit counts in the tooltips add up to the draw counter.
        int total = 0;
        for (int m = 0; m < 37; ++m) {
            const int shown = hitCountOf(cells[static_cast<std::size_t>(m)]->toolTip());
            if (shown != hits[static_cast<std::size_t>(m)]) {
                QFAIL(qPrintable(QStringLiteral("entry %1: %2 shows %3 hits, drawn %4 times")
                                     .arg(entry)
                                     .arg(m)
                                     .arg(shown)
                                     .arg(hits[static_cast<std::size_t>(m)])));
            }
            total += shown;
        }
        QCOMPARE(total, entry);
        QCOMPARE(drawCount->text(), QString::number(entry));

        // The strip shows the last 22 draws, newest at the right.
        const int stripOffset = 22 - static_cast<int>(lastDraws.size());
        for (int i = 0; i < 22; ++i) {
            const QLabel* square = strip[static_cast<std::size_t>(i)];
            if (i < stripOffset) {
                QCOMPARE(square->text(), QString());
                continue;
            }
            const int drawn = lastDraws[static_cast<std::size_t>(i - stripOffset)];
            QCOMPARE(square->text(), QString::number(drawn));
            QCOMPARE(Colours::backColour(square), Roulette::colourCodeOf(drawn));
        }

        // Each trend window, the dozen row and the column row hold the marks of the last 20.
        const int known = std::min<int>(20, static_cast<int>(lastDraws.size()));
        for (int i = 0; i < 20; ++i) {
            const int age = 19 - i; // 0 for the newest
            const bool written = age < known;
            const int drawn = written ? lastDraws[lastDraws.size() - 1 - static_cast<std::size_t>(age)] : -1;
            const ColourCode colour = written ? Roulette::colourCodeOf(drawn) : Colours::InactiveTitleBar;
            QCOMPARE(Colours::backColour(trendCells[0][static_cast<std::size_t>(i)]), colour);
            QCOMPARE(static_cast<QLineEdit*>(trendCells[1][static_cast<std::size_t>(i)])->text(),
                written ? passeManque(drawn) : QString());
            QCOMPARE(static_cast<QLineEdit*>(trendCells[2][static_cast<std::size_t>(i)])->text(),
                written ? pairImpair(drawn) : QString());
            QCOMPARE(dozenRow[static_cast<std::size_t>(i)]->text(), written ? dozen(drawn) : QString());
            QCOMPARE(columnRow[static_cast<std::size_t>(i)]->text(), written ? column(drawn) : QString());
        }

        // The candidate row lists exactly the numbers left at the level, in increasing order,
        // when there are one to ten of them; it is empty when the level has just risen.
        QList<int> atLevel;
        for (int m = 0; m < 37; ++m) {
            if (hits[static_cast<std::size_t>(m)] == levelBefore) {
                atLevel << m;
            }
        }
        const bool advised = !atLevel.isEmpty() && atLevel.size() <= 10;
        for (int i = 0; i < 10; ++i) {
            const QString expected = advised && i < atLevel.size() ? QString::number(atLevel[i]) : QString();
            QCOMPARE(candidates[static_cast<std::size_t>(i)]->text(), expected);
        }
        QCOMPARE(board.model().repetitionSorti(), *std::min_element(hits.begin(), hits.end()));

        // Let the blinks and slides run between entries, as they do at the table.
        QCoreApplication::processEvents();
        if (entry % 997 == 0) {
            QPushButton* slide = slideButtons[static_cast<std::size_t>((entry / 997) % 3)];
            if (slide->isEnabled()) {
                slide->click();
                ++slidesStarted;
            }
        }
        if (entry % 5003 == 0 || entry == entries / 2) {
            const int before = blinkTicksSeen;
            for (int t = 1; t <= 6; ++t) {
                blinkTicksSeen
                    += control<QTimer>(&board, QStringLiteral("Timer%1").arg(t))->isActive() ? 1 : 0;
            }
            if (blinkTicksSeen > before) {
                QTest::qWait(520); // at least one blink step of every running timer
            }
        }
    }
    QVERIFY(slidesStarted > 0 || entries < 997);
    QVERIFY(blinkTicksSeen > 0 || entries < 5003);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
