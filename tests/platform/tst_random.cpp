// The clock-seeded random source of the draw simulator.
#include "platform/Random.h"

#include <QSet>
#include <QTest>
#include <limits>

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void bitsBecomeValuesBelowOne_data();
    void bitsBecomeValuesBelowOne();
    void seedingFollowsTheClock();
};

void TestRandom::bitsBecomeValuesBelowOne_data()
{
    QTest::addColumn<quint64>("bits");
    QTest::addColumn<double>("value");
    QTest::addRow("all zeros") << quint64(0) << 0.0;
    QTest::addRow("top bit") << (quint64(1) << 63) << 0.5;
    QTest::addRow("all ones stays below 1")
        << std::numeric_limits<quint64>::max() << 1.0 - 1.0 / 9007199254740992.0;
}

void TestRandom::bitsBecomeValuesBelowOne()
{
    QFETCH(quint64, bits);
    QFETCH(double, value);
    QCOMPARE(ClockSeededRandom::unitFromBits(bits), value);
}

void TestRandom::seedingFollowsTheClock()
{
    std::uint64_t now = 1'700'000'000'000'000'000ULL;
    ClockSeededRandom fixed([&now] { return now; });
    fixed.seedFromClock();
    const double first = fixed.uniform();
    QVERIFY(fixed.uniform() != first);
    fixed.seedFromClock();
    QCOMPARE(fixed.uniform(), first); // same reading, same value
    now += 1'000'000'000ULL;
    fixed.seedFromClock();
    QVERIFY(fixed.uniform() != first);

    // Without a clock of its own, the system clock: seeded a millisecond apart, it differs.
    ClockSeededRandom system;
    QSet<double> values;
    for (int i = 0; i < 20; ++i) {
        system.seedFromClock();
        values.insert(system.uniform());
        QTest::qSleep(1);
    }
    QVERIFY(values.size() > 15);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
