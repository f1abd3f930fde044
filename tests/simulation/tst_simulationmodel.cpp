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
    void designState();
    void paceButtons_data();
    void paceButtons();
    void startStopPause_data();
    void startStopPause();
    void drawsShowOnTheirColour_data();
    void drawsShowOnTheirColour();
    void everyDrawSeedsFromTheClockFirst();
    void drawsAreUniform_data();
    void drawsAreUniform();
};

namespace {

// "+" and "-" press the buttons; "=text" types text into the pace box.
void play(SimulationModel& model, const QStringList& steps)
{
    for (const QString& step : steps) {
        if (step == QLatin1String("+")) {
            model.slower();
        } else if (step == QLatin1String("-")) {
            model.faster();
        } else if (step.startsWith(QLatin1Char('='))) {
            model.typePace(step.mid(1));
        } else if (step == QLatin1String("start")) {
            model.start();
        } else if (step == QLatin1String("stop")) {
            model.stop();
        } else if (step == QLatin1String("pause")) {
            model.pauseOrResume();
        } else {
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
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

void TestSimulationModel::designState()
{
    const SimulationModel model;
    QCOMPARE(model.interval(), 5000);
    QCOMPARE(model.paceText(), QStringLiteral("5"));
    QCOMPARE(model.pauseCaption(), QStringLiteral("Pause !"));
    QVERIFY(model.isStartEnabled());
    QVERIFY(!model.isTimerEnabled());
    QCOMPARE(model.windowWidth(), 2190);
    QCOMPARE(model.windowHeight(), 870);
    QCOMPARE(model.drawCaption(), QString());
    QCOMPARE(model.drawColour(), Colours::Green);
}

void TestSimulationModel::paceButtons_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("interval");
    QTest::addColumn<QString>("paceText");

    QTest::addRow("+ three times") << times(3, "+") << 8000 << "8";
    QTest::addRow("- seven times from 8 s stops at 1 s") << times(3, "+") + times(7, "-") << 1000 << "1";
    QTest::addRow("- at 1 s does nothing") << times(4, "-") + times(3, "-") << 1000 << "1";
    QTest::addRow("59 then +") << times(54, "+") + QStringList { "+" } << 60000 << "60";
    QTest::addRow("60 then + does nothing") << times(55, "+") + QStringList { "+" } << 60000 << "60";
    QTest::addRow("typed 100: + does nothing") << QStringList { "=100", "+" } << 5000 << "100";
    QTest::addRow("typed 2 with 10 s: + gives 11 s")
        << times(5, "+") + QStringList { "=2", "+" } << 11000 << "11";
    QTest::addRow("typing alone keeps the pace") << QStringList { "=2" } << 5000 << "2";
    QTest::addRow("typed 59.5 is below 60") << QStringList { "=59.5", "+" } << 6000 << "6";
    QTest::addRow("typed 6 0 reads 60") << QStringList { "=6 0", "+" } << 5000 << "6 0";
    QTest::addRow("typed words read 0") << QStringList { "=vite", "+" } << 6000 << "6";
    QTest::addRow("typed emptiness reads 0") << QStringList { "=", "+" } << 6000 << "6";
    QTest::addRow("typed huge number") << QStringList { "=1e999", "+" } << 5000 << "1e999";
    QTest::addRow("typed huge negative number") << QStringList { "=-1e999", "+" } << 6000 << "6";
    QTest::addRow("- looks at the pace, not the text") << QStringList { "=1", "-" } << 4000 << "4";
    QTest::addRow("typing past 60 adds one second a time")
        << times(55, "+") + QStringList { "=3", "+", "+", "=59", "+" } << 62000 << "62";
}

void TestSimulationModel::paceButtons()
{
    QFETCH(QStringList, steps);
    QFETCH(int, interval);
    QFETCH(QString, paceText);
    SimulationModel model;
    play(model, steps);
    QCOMPARE(model.interval(), interval);
    QCOMPARE(model.paceText(), paceText);
    QCOMPARE(model.interval() % 1000, 0);
}

void TestSimulationModel::startStopPause_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("timerEnabled");
    QTest::addColumn<bool>("startEnabled");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");

    const QString pause = QStringLiteral("Pause !");
    const QString resume = QStringLiteral("Reprendre !");
    QTest::addRow("start") << QStringList { "start" } << true << false << pause << 4755 << 1530;
    QTest::addRow("pause") << QStringList { "start", "pause" } << false << false << resume << 4755 << 1530;
    QTest::addRow("resume") << QStringList { "start", "pause", "pause" } << true << false << pause << 4755
                            << 1530;
    QTest::addRow("stop") << QStringList { "start", "stop" } << false << true << pause << 2190 << 870;
    QTest::addRow("stop while paused keeps the caption")
        << QStringList { "start", "pause", "stop" } << false << true << resume << 2190 << 870;
    QTest::addRow("start again after a paused stop")
        << QStringList { "start", "pause", "stop", "start" } << true << false << resume << 4755 << 1530;
    QTest::addRow("start twice") << QStringList { "start", "start" } << true << false << pause << 4755
                                 << 1530;
}

void TestSimulationModel::startStopPause()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, timerEnabled);
    QFETCH(bool, startEnabled);
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(int, height);
    SimulationModel model;
    model.slower(); // the pace survives stop and start
    play(model, steps);
    QCOMPARE(model.isTimerEnabled(), timerEnabled);
    QCOMPARE(model.isStartEnabled(), startEnabled);
    QCOMPARE(model.pauseCaption(), caption);
    QCOMPARE(model.windowWidth(), width);
    QCOMPARE(model.windowHeight(), height);
    QCOMPARE(model.interval(), 6000);
    QCOMPARE(model.paceText(), QStringLiteral("6"));
}

void TestSimulationModel::drawsShowOnTheirColour_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("number");
    QTest::addColumn<ColourCode>("colour");

    QTest::addRow("0 on green") << 0.0 << 0 << Colours::DarkGreen;
    QTest::addRow("32 on red") << ScriptedRandom::valueFor(32) << 32 << Colours::Red;
    QTest::addRow("33 on grey") << ScriptedRandom::valueFor(33) << 33 << Colours::Grey;
    QTest::addRow("1 on red") << ScriptedRandom::valueFor(1) << 1 << Colours::Red;
    QTest::addRow("10 on grey") << ScriptedRandom::valueFor(10) << 10 << Colours::Grey;
    QTest::addRow("19 on red") << ScriptedRandom::valueFor(19) << 19 << Colours::Red;
    QTest::addRow("largest value below 1 is 36") << std::nextafter(1.0, 0.0) << 36 << Colours::Red;
    // A source that breaks its promise still gives a number of the wheel.
    QTest::addRow("1 itself") << 1.0 << 36 << Colours::Red;
    QTest::addRow("negative") << -0.5 << 0 << Colours::DarkGreen;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0 << Colours::DarkGreen;
}

void TestSimulationModel::drawsShowOnTheirColour()
{
    QFETCH(double, value);
    QFETCH(int, number);
    QFETCH(ColourCode, colour);
    SimulationModel model(std::make_unique<ScriptedRandom>(QList<double> { value }));
    QCOMPARE(model.draw(), number);
    QCOMPARE(model.drawCaption(), QString::number(number));
    QCOMPARE(model.drawColour(), colour);
}

void TestSimulationModel::everyDrawSeedsFromTheClockFirst()
{
    auto log = std::make_shared<ScriptedRandom::Log>();
    SimulationModel model(std::make_unique<ScriptedRandom>(QList<double> { 0.1, 0.2, 0.3 }, log));
    for (int i = 0; i < 3; ++i) {
        model.draw();
    }
    QCOMPARE(log->calls, (QList<char> { 's', 'u', 's', 'u', 's', 'u' }));
}

void TestSimulationModel::drawsAreUniform_data()
{
    QTest::addColumn<quint64>("clockStep");
    QTest::addRow("clock readings one nanosecond apart") << quint64(1);
    QTest::addRow("one millisecond apart") << quint64(1'000'000);
    QTest::addRow("one second apart") << quint64(1'000'000'000);
}

// Each draw seeds again from the clock: the draws of a clock that moves on by a fixed step
// must still be spread evenly over the wheel. A chi-square test with 36 degrees of freedom
// at the 0.1 % level, on a fixed starting time so the result never changes.
void TestSimulationModel::drawsAreUniform()
{
    QFETCH(quint64, clockStep);
    std::uint64_t now = 1'715'900'000'000'000'000ULL;
    SimulationModel model(std::make_unique<ClockSeededRandom>([&now, clockStep] {
        now += clockStep;
        return now;
    }));

    constexpr int PerNumber = 1000;
    constexpr int Draws = 37 * PerNumber;
    std::array<int, 37> counts {};
    for (int i = 0; i < Draws; ++i) {
        const int number = model.draw();
        QVERIFY(number >= 0 && number <= 36);
        ++counts[static_cast<std::size_t>(number)];
    }
    double chiSquare = 0.0;
    for (const int count : counts) {
        QVERIFY(count > 0);
        chiSquare += (count - PerNumber) * (count - PerNumber) / double(PerNumber);
    }
    constexpr double Critical = 67.985; // chi-square, 36 degrees of freedom, 0.999 quantile
    QVERIFY2(chiSquare < Critical, qPrintable(QString::number(chiSquare)));
}

QTEST_GUILESS_MAIN(TestSimulationModel)
#include "tst_simulationmodel.moc"
