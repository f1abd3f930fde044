// The draw simulator without its window: pace, start, stop, pause, and the draws.
#include "simulation/SimulationModel.h"
#include "support/ScriptedRandom.h"

#include <QTest>
#include <array>
#include <cmath>
#include <limits>

class TestSimulationModel : public QObject
{
    Q_OBJECT

private slots:
    void buttons_data();
    void buttons();
    void drawsShowOnTheirColour_data();
    void drawsShowOnTheirColour();
    void drawsAreUniform_data();
    void drawsAreUniform();
};

namespace {

// "+" and "-" are the pace buttons, "=text" types into the pace box.
void play(SimulationModel& model, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step.startsWith(QLatin1Char('='))) {
            model.typePace(step.mid(1));
        } else if (step == QLatin1String("+")) {
            model.slower();
        } else if (step == QLatin1String("-")) {
            model.faster();
        } else if (step == QLatin1String("start")) {
            model.start();
        } else if (step == QLatin1String("stop")) {
            model.stop();
        } else {
            QCOMPARE(step, QStringLiteral("pause"));
            model.pauseOrResume();
        }
    }
}

QStringList times(int count, const QString& step)
{
    QStringList steps;
    for (int i = 0; i < count; ++i) {
        steps << step;
    }
    return steps;
}

} // namespace

void TestSimulationModel::buttons_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("paceText");
    QTest::addColumn<QString>("state"); // timer, start button, pause caption, window size

    const QString idle = QStringLiteral("off, start on, Pause !, 2190x870");
    const QString running = QStringLiteral("on, start off, Pause !, 4755x1530");
    const QString paused = QStringLiteral("off, start off, Reprendre !, 4755x1530");
    QTest::addRow("design") << QStringList() << 5000 << "5" << idle;
    QTest::addRow("+ three times") << times(3, "+") << 8000 << "8" << idle;
    QTest::addRow("- seven times from 8 s stops at 1 s")
        << times(3, "+") + times(7, "-") << 1000 << "1" << idle;
    QTest::addRow("59 then +") << times(55, "+") << 60000 << "60" << idle;
    QTest::addRow("60 then + does nothing") << times(56, "+") << 60000 << "60" << idle;
    QTest::addRow("typed 100: + does nothing") << QStringList{"=100", "+"} << 5000 << "100" << idle;
    QTest::addRow("typed 2 at 10 s: + gives 11 s")
        << times(5, "+") + QStringList{"=2", "+"} << 11000 << "11" << idle;
    QTest::addRow("typed words read 0") << QStringList{"=vite", "+"} << 6000 << "6" << idle;
    QTest::addRow("- looks at the pace, not the text") << QStringList{"=1", "-"} << 4000 << "4" << idle;
    QTest::addRow("start") << QStringList{"+", "start"} << 6000 << "6" << running;
    QTest::addRow("pause") << QStringList{"start", "pause"} << 5000 << "5" << paused;
    QTest::addRow("resume") << QStringList{"start", "pause", "pause"} << 5000 << "5" << running;
    QTest::addRow("stop keeps the pace") << QStringList{"start", "+", "stop"} << 6000 << "6" << idle;
    // Stopped while paused, the pause button keeps its caption into the next run.
    QTest::addRow("paused, stopped") << QStringList{"start", "pause", "stop"} << 5000 << "5"
                                     << "off, start on, Reprendre !, 2190x870";
    QTest::addRow("paused, stopped, started") << QStringList{"start", "pause", "stop", "start"} << 5000 << "5"
                                              << "on, start off, Reprendre !, 4755x1530";
}

void TestSimulationModel::buttons()
{
    QFETCH(QStringList, steps);
    QFETCH(int, interval);
    QFETCH(QString, paceText);
    QFETCH(QString, state);
    SimulationModel model;
    play(model, steps);
    QCOMPARE(model.interval(), interval);
    QCOMPARE(model.paceText(), paceText);
    QCOMPARE(QStringLiteral("%1, start %2, %3, %4x%5")
                 .arg(model.isTimerEnabled() ? "on" : "off", model.isStartEnabled() ? "on" : "off",
                     model.pauseCaption())
                 .arg(model.windowWidth())
                 .arg(model.windowHeight()),
        state);
}

void TestSimulationModel::drawsShowOnTheirColour_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<ColourCode>("colour");

    QTest::addRow("0 on green") << 0.0 << 0 << Colours::DarkGreen;
    QTest::addRow("32 on red") << ScriptedRandom::valueFor(32) << 32 << Colours::Red;
    QTest::addRow("33 on grey") << ScriptedRandom::valueFor(33) << 33 << Colours::Grey;
    QTest::addRow("largest value below 1") << std::nextafter(1.0, 0.0) << 36 << Colours::Red;
    // A source that breaks its promise still gives a number of the wheel.
    QTest::addRow("1 itself") << 1.0 << 36 << Colours::Red;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << Colours::DarkGreen;
}

void TestSimulationModel::drawsShowOnTheirColour()
{
    QFETCH(double, value);
    QFETCH(int, number);
    QFETCH(ColourCode, colour);
    auto log = std::make_shared<ScriptedRandom::Log>();
    SimulationModel model(std::make_unique<ScriptedRandom>(QList<double>{value, value}, log));
    QCOMPARE(model.drawCaption(), QString());
    QCOMPARE(model.drawColour(), Colours::Green);
    for (int draw = 0; draw < 2; ++draw) {
        QCOMPARE(model.draw(), number);
        QCOMPARE(model.drawCaption(), QString::number(number));
        QCOMPARE(model.drawColour(), colour);
    }
    QCOMPARE(log->calls, (QList<char>{'s', 'u', 's', 'u'})); // seeded again before every draw
}

void TestSimulationModel::drawsAreUniform_data()
{
    QTest::addColumn<quint64>("clockStep");
    QTest::addRow("clock readings a nanosecond apart") << quint64(1);
    QTest::addRow("a second apart") << quint64(1'000'000'000);
}

// Each draw seeds again from the clock; the draws of a clock moving on by a fixed step must
// still spread evenly over the wheel. Chi-square with 36 degrees of freedom at the 0.1 %
// level, from a fixed starting time so that the result never changes.
void TestSimulationModel::drawsAreUniform()
{
    QFETCH(quint64, clockStep);
    std::uint64_t now = 1'715'900'000'000'000'000ULL;
    SimulationModel model(
        std::make_unique<ClockSeededRandom>([&now, clockStep] { return now += clockStep; }));

    constexpr int PerNumber = 1000;
    std::array<int, 37> counts{};
    for (int i = 0; i < 37 * PerNumber; ++i) {
        ++counts.at(static_cast<std::size_t>(model.draw()));
    }
    double chiSquare = 0.0;
    for (const int count : counts) {
        QVERIFY(count > 0);
        chiSquare += (count - PerNumber) * (count - PerNumber) / double(PerNumber);
    }
    QVERIFY2(chiSquare < 67.985, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(TestSimulationModel)
#include "tst_simulationmodel.moc"
