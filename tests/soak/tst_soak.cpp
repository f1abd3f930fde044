// SPDX-License-Identifier: GPL-3.0-or-later
// A whole evening at the table: many entries through the real windows, blinks and slides
// running, and after every entry the windows show what the table holds.
#include "board/BoardWindow.h"
#include "dozens/DozensWindow.h"
#include "platform/Colours.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

#ifndef TAMBREL_SOAK_ENTRIES
#define TAMBREL_SOAK_ENTRIES 100000
#endif

namespace {

QString text(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget)) {
        return label->text();
    }
    return static_cast<const QLineEdit*>(widget)->text();
}

// The controls looked up once: the game is long.
template<typename T>
T* cached(const QWidget* window, const char* name, int index = -1)
{
    static QHash<QString, QWidget*> found;
    const QString key = window->objectName() + QLatin1String(name) + QString::number(index);
    QWidget*& widget = found[key];
    if (!widget) {
        widget = control<QWidget>(window, QString::fromLatin1(name), index);
    }
    return static_cast<T*>(widget);
}

QString numberText(int number)
{
    return number < 0 ? QString() : QString::number(number);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void windowsShowWhatTheTableHolds();
};

void TestSoak::windowsShowWhatTheTableHolds()
{
    const int entries = TAMBREL_SOAK_ENTRIES;
    BoardWindow board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    const Table& table = board.table();
    QRandomGenerator random(424242);
    int slidesStarted = 0;
    int blinkWaits = 0;

    for (int entry = 1; entry <= entries; ++entry) {
        QVERIFY(enterConfirmed(board, static_cast<int>(random.bounded(37))));
        QCOMPARE(text(cached<QLabel>(&board, "drawCountLabel")), QString::number(entry));
        for (int n = 0; n < Roulette::NumberCount; ++n) {
            const QString tip = cached<QLineEdit>(&board, "numberCell", n)->toolTip();
            QCOMPARE(tip.section(QLatin1Char(' '), 1, 1).toInt(), table.hitCount(n));
        }
        for (int i = 0; i < Table::StripLength; ++i) {
            QCOMPARE(text(cached<QLabel>(&board, "stripSquare", i)), numberText(table.stripNumber(i)));
        }
        for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
            QCOMPARE(text(cached<QLabel>(&board, "candidateSquare", i)),
                numberText(table.numberAdvice().candidate(i)));
        }
        // The dozen and column rows, and the colour window, mirror their trackers.
        for (int i = 0; i < HistoryRow::Length; ++i) {
            for (Group group : {Group::Dozens, Group::Columns}) {
                const int value = table.dozenColumns().history(group).value(i);
                QCOMPARE(text(cached<QLabel>(board.dozensWindow(),
                             group == Group::Dozens ? "dozenSquare" : "columnSquare", i)),
                    value == 0 ? QString() : QString::number(value));
            }
            const Mark mark = table.evenChance(EvenChance::Colour).cell(i);
            const ColourCode colour = mark == Mark::FirstSide ? Colours::Red
                : mark == Mark::SecondSide                    ? Colours::Grey
                : mark == Mark::Zero                          ? Colours::Green
                                                              : Colours::InactiveTitleBar;
            QCOMPARE(
                Colours::backColour(cached<QWidget>(board.trendWindow(EvenChance::Colour), "historyCell", i)),
                colour);
        }

        // Let the blinks and slides run between entries, as they do at the table.
        QCoreApplication::processEvents();
        if (entry % 997 == 0) {
            auto* slide = cached<QPushButton>(
                board.trendWindow(static_cast<EvenChance>((entry / 997) % 3)), "slideButton");
            if (slide->isEnabled()) {
                slide->click();
                ++slidesStarted;
            }
        }
        if (entry % 5003 == 0 || entry == entries / 2) {
            QTest::qWait(520); // at least one blink step of every running timer
            ++blinkWaits;
        }
    }
    QVERIFY(slidesStarted > 0 || entries < 997);
    QVERIFY(blinkWaits > 0);
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
