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
    void sameClockReadingSameValue();
    void valuesStayInTheUnitInterval();
    void systemClockSeedsDiffer();
};

void TestRandom::bitsBecomeValuesBelowOne_data()
{
    QTest::addColumn<quint64>("bits");
    QTest::addColumn<double>("value");
    QTest::addRow("all zeros") << quint64(0) << 0.0;
    QTest::addRow("top bit") << (quint64(1) << 63) << 0.5;
    QTest::addRow("all ones stays below 1")
        << std::numeric_limits<quint64>::max() << 1.0 - 1.0 / 9007199254740992.0;
    QTest::addRow("bits below the top 53 are dropped") << quint64(0x7FF) << 0.0;
}

void TestRandom::bitsBecomeValuesBelowOne()
{
    QFETCH(quint64, bits);
    QFETCH(double, value);
    QCOMPARE(ClockSeededRandom::unitFromBits(bits), value);
}

void TestRandom::sameClockReadingSameValue()
{
    std::uint64_t now = 1'700'000'000'000'000'000ULL;
    ClockSeededRandom random([&now] { return now; });
    random.seedFromClock();
    const double first = random.uniform();
    const double second = random.uniform();
    QVERIFY(first != second);

    random.seedFromClock();
    QCOMPARE(random.uniform(), first);

    // One second later on the clock, another value.
    now += 1'000'000'000ULL;
    random.seedFromClock();
    QVERIFY(random.uniform() != first);
}

void TestRandom::valuesStayInTheUnitInterval()
{
    ClockSeededRandom random([] { return std::uint64_t(42); });
    double lowest = 1.0;
    double highest = 0.0;
    double sum = 0.0;
    constexpr int Count = 200000;
    for (int i = 0; i < Count; ++i) {
        const double value = random.uniform();
        QVERIFY(value >= 0.0 && value < 1.0);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        sum += value;
    }
    QVERIFY(lowest < 0.001);
    QVERIFY(highest > 0.999);
    QVERIFY(qAbs(sum / Count - 0.5) < 0.005);
}

// Without a clock of its own the source reads the system clock at every seeding: seeded a
// millisecond apart, it gives different values.
void TestRandom::systemClockSeedsDiffer()
{
    ClockSeededRandom random;
    QSet<double> values;
    for (int i = 0; i < 20; ++i) {
        random.seedFromClock();
        values.insert(random.uniform());
        QTest::qSleep(1);
    }
    QVERIFY(values.size() > 15);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
