// The stake calculator without its window: multipliers, clearing, the products.
#include "platform/NumberText.h"
#include "stakes/StakeModel.h"

#include <QTest>

class TestStakeModel : public QObject
{
    Q_OBJECT

private slots:
    void loadKeepsTheMultipliers();
    void stakes_data();
    void stakes();
    void everyChangeClearsTheResults();
    void theMultipliersComeFromTheTags();
    void oneStepMarkedAtATime();
};

namespace {

QStringList results(const StakeModel& model)
{
    QStringList shown;
    for (int step = 0; step < StakeModel::StepCount; ++step) {
        shown << model.result(step);
    }
    return shown;
}

const QStringList Zeros { "0", "0", "0", "0", "0", "0", "0" };
const QString Out = NumberText::OutOfRange;

} // namespace

void TestStakeModel::loadKeepsTheMultipliers()
{
    StakeModel model(QLocale::c());
    const QStringList design { "1", "3", "7", "15", "31", "63", "127" };
    QCOMPARE(results(model), design);
    QCOMPARE(model.startingStake(), QStringLiteral("1"));
    QCOMPARE(model.tag(6), QString());
    model.load();
    for (int step = 0; step < StakeModel::StepCount; ++step) {
        QCOMPARE(model.tag(step), design[step]);
    }
}

void TestStakeModel::stakes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QStringList>("results");

    const QLocale french(QLocale::French, QLocale::France);
    const QLocale c = QLocale::c();
    QTest::addRow("1") << c << "1" << QStringList { "1", "3", "7", "15", "31", "63", "127" };
    QTest::addRow("5") << c << "5" << QStringList { "5", "15", "35", "75", "155", "315", "635" };
    QTest::addRow("2.5 in French") << french << "2.5"
                                   << QStringList { "2,5", "7,5", "17,5", "37,5", "77,5", "157,5", "317,5" };
    QTest::addRow("2,5 in French reads 2")
        << french << "2,5" << QStringList { "2", "6", "14", "30", "62", "126", "254" };
    QTest::addRow("empty") << french << "" << Zeros;
    QTest::addRow("not a number") << c << "cher" << Zeros;
    QTest::addRow("12 euros") << c << "12 euros"
                              << QStringList { "12", "36", "84", "180", "372", "756", "1524" };
    QTest::addRow("blanks inside") << c << " 1 0 "
                                   << QStringList { "10", "30", "70", "150", "310", "630", "1270" };
    QTest::addRow("tenths without binary noise")
        << c << "0.1" << QStringList { "0.1", "0.3", "0.7", "1.5", "3.1", "6.3", "12.7" };
    QTest::addRow("exponent") << c << "1e2"
                              << QStringList { "100", "300", "700", "1500", "3100", "6300", "12700" };
    QTest::addRow("negative") << french << "-2"
                              << QStringList { "-2", "-6", "-14", "-30", "-62", "-126", "-254" };
    QTest::addRow("large stakes go scientific")
        << french << "1e20"
        << QStringList { "1E+20", "3E+20", "7E+20", "1,5E+21", "3,1E+21", "6,3E+21", "1,27E+22" };
    QTest::addRow("products leave the range of a double")
        << c << "1e307" << QStringList { "1E+307", "3E+307", "7E+307", "1.5E+308", Out, Out, Out };
    QTest::addRow("stake beyond the range")
        << c << "1e999" << QStringList { Out, Out, Out, Out, Out, Out, Out };
    QTest::addRow("negative stake beyond the range")
        << c << "-1e999" << QStringList { Out, Out, Out, Out, Out, Out, Out };
    QTest::addRow("stake too small to hold") << c << "1e-999" << Zeros;
}

void TestStakeModel::stakes()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stake);
    QFETCH(QStringList, results);
    StakeModel model(locale);
    model.load();
    model.changeStartingStake(stake);
    model.calculate();
    QCOMPARE(::results(model), results);
}

void TestStakeModel::everyChangeClearsTheResults()
{
    StakeModel model(QLocale::c());
    model.load();
    model.calculate();
    QCOMPARE(model.result(6), QStringLiteral("127"));
    model.changeStartingStake(QStringLiteral("1"));
    QCOMPARE(results(model), Zeros);
}

// Once calculated, the boxes no longer hold the multipliers; the next calculation still
// multiplies by the tags, and a player's edit of a result box changes nothing.
void TestStakeModel::theMultipliersComeFromTheTags()
{
    StakeModel model(QLocale::c());
    model.load();
    model.changeStartingStake(QStringLiteral("5"));
    model.calculate();
    model.editResult(3, QStringLiteral("999"));
    QCOMPARE(model.result(3), QStringLiteral("999"));
    model.changeStartingStake(QStringLiteral("2"));
    model.calculate();
    QCOMPARE(results(model), (QStringList { "2", "6", "14", "30", "62", "126", "254" }));
    QCOMPARE(model.tag(3), QStringLiteral("15"));
}

void TestStakeModel::oneStepMarkedAtATime()
{
    StakeModel model(QLocale::c());
    QCOMPARE(model.selectedStep(), -1);
    model.selectStep(2);
    model.selectStep(5);
    QCOMPARE(model.selectedStep(), 5);
    model.selectStep(7); // there is no eighth step
    QCOMPARE(model.selectedStep(), 5);
}

QTEST_GUILESS_MAIN(TestStakeModel)
#include "tst_stakemodel.moc"
