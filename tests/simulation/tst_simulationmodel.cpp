// SPDX-License-Identifier: GPL-3.0-or-later
// The draw simulator without its window: pace, start, stop, pause, and the draws, seeded
// from the clock.
#include "simulation/SimulationModel.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <array>

class TestSimulationModel : public QObject
{
    Q_OBJECT

private slots:
    void buttons_data()
    {
        // "+" and "-" are the pace buttons, digits are typed into the pace box; "s" starts, "x"
        // stops, "p" pauses or resumes.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("state"); // pace box, timer, running, pause caption
        QTest::addRow("- stops at 1 s") << "+++-------" << 1000 << "1, off, idle, Pause !";
        QTest::addRow("+ stops at 60 s") << QString(56, '+') << 60000 << "60, off, idle, Pause !";
        QTest::addRow("typed 100: + does nothing") << "100+" << 5000 << "100, off, idle, Pause !";
        QTest::addRow("typed 2 at 10 s: + gives 11 s") << "+++++2+" << 11000 << "11, off, idle, Pause !";
        // Stopped while paused, the pause button keeps its caption into the next run.
        QTest::addRow("paused, stopped, started") << "spxs" << 5000 << "5, on, running, Reprendre !";
    }

    void buttons()
    {
        QFETCH(QString, steps);
        QFETCH(int, interval);
        QFETCH(QString, state);
        SimulationModel model;
        const QHash<QChar, void (SimulationModel::*)()> press{{'+', &SimulationModel::slower},
            {'-', &SimulationModel::faster}, {'s', &SimulationModel::start}, {'x', &SimulationModel::stop},
            {'p', &SimulationModel::pauseOrResume}};
        for (const QRegularExpressionMatch& match :
            QRegularExpression(QStringLiteral("\\d+|.")).globalMatch(steps)) {
            const QString step = match.captured();
            if (step[0].isDigit()) {
                model.typePace(step);
            } else {
                (model.*press.value(step[0]))();
            }
        }
        QCOMPARE(model.interval(), interval);
        QCOMPARE(model.isStartEnabled(), !model.isRunning());
        QCOMPARE(QStringLiteral("%1, %2, %3, %4")
                     .arg(model.paceText(), model.isTimerEnabled() ? "on" : "off",
                         model.isRunning() ? "running" : "idle", model.pauseCaption()),
            state);
    }

    // Each draw seeds again from the clock, yet the draws of a clock moving on by a fixed step
    // spread evenly over the wheel: chi-square, 36 degrees of freedom, at the 0.1 % level.
    void drawsAreUniform()
    {
        for (const std::uint64_t step : {1ULL, 1'000'000'000ULL}) {
            std::uint64_t now = 1'715'900'000'000'000'000ULL;
            int readings = 0;
            SimulationModel model(std::make_unique<ClockSeededRandom>([&] {
                ++readings;
                return now += step;
            }));
            std::array<int, 37> counts{};
            for (int i = 0; i < 37 * 1000; ++i) {
                ++counts.at(static_cast<std::size_t>(model.draw()));
            }
            double chiSquare = 0.0;
            for (const int count : counts) {
                chiSquare += (count - 1000) * (count - 1000) / 1000.0;
            }
            QVERIFY2(chiSquare < 67.985, qPrintable(QString::number(chiSquare)));
            QVERIFY(readings >= 37 * 1000); // one reading per draw at least
        }
        // Seeded from the system clock a millisecond apart, the source gives different values.
        ClockSeededRandom system;
        QSet<double> values;
        for (int i = 0; i < 20; ++i, QTest::qSleep(1)) {
            system.seedFromClock();
            values << system.uniform();
        }
        QVERIFY(values.size() > 15);
    }
};

QTEST_GUILESS_MAIN(TestSimulationModel)
#include "tst_simulationmodel.moc"
