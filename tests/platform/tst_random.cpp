// SPDX-License-Identifier: GPL-3.0-or-later
// The clock-seeded random source of the draw simulator.
#include "platform/Random.h"

#include <QSet>
#include <QTest>

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    // Seeded from the system clock a millisecond apart, the source gives different values.
    void systemClockSeedsDiffer()
    {
        ClockSeededRandom random;
        QSet<double> values;
        for (int i = 0; i < 20; ++i) {
            random.seedFromClock();
            values << random.uniform();
            QTest::qSleep(1);
        }
        QVERIFY(values.size() > 15);
    }
};

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
