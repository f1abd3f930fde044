// SPDX-License-Identifier: GPL-3.0-or-later
// A table compared with the plain oracle of the same draws, after its latest entry: what
// every window shows of the game, in the oracle's terms.
#pragma once

#include "board/Table.h"
#include "support/GameOracle.h"

#include <QTest>

inline QString shown(EvenChance pair, Mark mark)
{
    static const char* sides[3][2] = {{"R", "N"}, {"-", "+"}, {"I", "P"}};
    if (EvenChances::isSide(mark)) {
        return QString::fromLatin1(sides[static_cast<int>(pair)][mark == Mark::FirstSide ? 0 : 1]);
    }
    return mark == Mark::Zero && pair == EvenChance::Colour ? QStringLiteral("0") : QString();
}

inline std::vector<int> candidatesOf(const Table& table)
{
    std::vector<int> found;
    for (int slot = 0; slot < NumberAdvice::MaxCandidates && table.numberAdvice().candidate(slot) >= 0;
         ++slot) {
        found.push_back(table.numberAdvice().candidate(slot));
    }
    return found;
}

// Everything the oracle follows, compared after entry `entry`.
inline void agreeWithTheOracle(const Table& table, const GameOracle& oracle, int entry)
{
    const int n = oracle.draws.back();
    const QByteArray where = QByteArray("entry ") + QByteArray::number(entry);
    QVERIFY2(
        table.drawCount() == entry && table.hitCount(n) == oracle.hits[static_cast<std::size_t>(n)], where);
    QCOMPARE(table.level(), oracle.level);
    QCOMPARE(table.statistics().hits(n), oracle.hits[static_cast<std::size_t>(n)]);
    QCOMPARE(table.levelCount(), oracle.levelCount);
    QCOMPARE(table.shownLevelCount(), oracle.shownLevelCount);
    QCOMPARE(candidatesOf(table), oracle.candidates);
    QCOMPARE(table.numberAdvice().isAdviceRowShown(), !oracle.candidates.empty());
    QVERIFY2(table.numberAdvice().waitingCount() == oracle.waited, where);
    QCOMPARE(int(table.numberAdvice().waitingLevel()), oracle.waiting);
    QCOMPARE(table.stripNumber(Table::StripLength - 1), n);
    QCOMPARE(table.stripNumber(0), oracle.drawn(Table::StripLength - 1));
    for (int p = 0; p < EvenChanceCount; ++p) {
        const EvenChanceTracker& pair = table.evenChance(static_cast<EvenChance>(p));
        const GameOracle::Pair& expected = oracle.pairs[static_cast<std::size_t>(p)];
        for (int i = 0; i < EvenChanceTracker::HistoryLength; ++i) {
            QVERIFY2(shown(pair.pair(), pair.cell(i)) == expected.cells[static_cast<std::size_t>(i)], where);
        }
        QVERIFY2(shown(pair.pair(), pair.suggestion()) == expected.suggestion, where);
        QCOMPARE(pair.runLength(), expected.run);
        QCOMPARE(pair.alternationCount(), expected.alternation);
        QCOMPARE(pair.adviceLength(), expected.adviceLength);
        QCOMPARE(table.isBlinking(static_cast<BlinkTimer>(p)), expected.blinking);
        for (int k = 0; k < EvenChanceTracker::CounterCount; ++k) {
            QVERIFY2(pair.counter(k).drawsSince == expected.counts[static_cast<std::size_t>(k)], where);
            QCOMPARE(int(pair.counter(k).warning), expected.warnings[static_cast<std::size_t>(k)]);
        }
    }
    for (int age = 0; age < HistoryRow::Length; ++age) {
        const int i = HistoryRow::Length - 1 - age;
        const auto digit = [](int value) { return value == 0 ? QString() : QString::number(value); };
        QCOMPARE(digit(table.dozenColumns().history(Group::Dozens).value(i)), oracle.dozenSquare(age, false));
        QCOMPARE(digit(table.dozenColumns().history(Group::Columns).value(i)), oracle.dozenSquare(age, true));
    }
    QCOMPARE(table.isBlinking(BlinkTimer::Dozens), oracle.dozensBlink);
    QCOMPARE(table.isBlinking(BlinkTimer::Columns), oracle.columnsBlink);
    QCOMPARE(table.isBlinking(BlinkTimer::Numbers), !oracle.candidates.empty());
    for (int row = 0; row < AdviceAccount::RowCount; ++row) {
        const AdviceAccount::Figures& kept
            = table.adviceAccount().figures(static_cast<AdviceAccount::Row>(row));
        const GameOracle::Account& counted = oracle.accounts[static_cast<std::size_t>(row)];
        QVERIFY2(
            kept.bets == counted.bets && kept.stakes == counted.stakes && kept.won == counted.won, where);
        QVERIFY2(2 * kept.result == counted.halves && 2 * kept.worstDrawdown == counted.worstFall, where);
        QVERIFY2(std::abs(74 * kept.expected - counted.expected74) < 1e-6 * (1 + counted.stakes), where);
        QVERIFY2(kept.longestLosingRun == counted.longestLosing, where);
    }
}
