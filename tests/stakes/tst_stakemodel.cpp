// The stake calculator without its window: multipliers, clearing, the products.
#include "stakes/StakeModel.h"

#include <QTest>

class TestStakeModel : public QObject
{
    Q_OBJECT

private slots:
    void stakes_data();
    void stakes();
    void theMultipliersAreTheTags();
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

const QStringList Design{"1", "3", "7", "15", "31", "63", "127"};
const QStringList Zeros{"0", "0", "0", "0", "0", "0", "0"};
const QString Out = QStringLiteral("Trop grand");

} // namespace

void TestStakeModel::stakes_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QStringList>("results");

    const QLocale french(QLocale::French, QLocale::France);
    const QLocale c = QLocale::c();
    QTest::addRow("1") << c << "1" << Design;
    QTest::addRow("5") << c << "5" << QStringList{"5", "15", "35", "75", "155", "315", "635"};
    QTest::addRow("2.5, French") << french << "2.5"
                                 << QStringList{"2,5", "7,5", "17,5", "37,5", "77,5", "157,5", "317,5"};
    QTest::addRow("2,5 reads 2") << french << "2,5" << QStringList{"2", "6", "14", "30", "62", "126", "254"};
    QTest::addRow("empty") << french << "" << Zeros;
    QTest::addRow("12 euros") << c << "12 euros"
                              << QStringList{"12", "36", "84", "180", "372", "756", "1524"};
    QTest::addRow("tenths") << c << "0.1" << QStringList{"0.1", "0.3", "0.7", "1.5", "3.1", "6.3", "12.7"};
    QTest::addRow("large, French") << french << "1e20"
                                   << QStringList{"1E+20", "3E+20", "7E+20", "1,5E+21", "3,1E+21", "6,3E+21",
                                          "1,27E+22"};
    QTest::addRow("products beyond a double")
        << c << "1e307" << QStringList{"1E+307", "3E+307", "7E+307", "1.5E+308", Out, Out, Out};
    QTest::addRow("stake beyond a double") << c << "-1e999" << QStringList{Out, Out, Out, Out, Out, Out, Out};
}

void TestStakeModel::stakes()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, stake);
    QFETCH(QStringList, results);
    StakeModel model(locale);
    model.load();
    model.changeStartingStake(stake);
    QCOMPARE(::results(model), Zeros); // every change clears the results at once
    model.calculate();
    QCOMPARE(::results(model), results);
}

// The tags are set at load; the next calculation multiplies by them, not by what the boxes
// show, and a player's edit of a result box changes nothing.
void TestStakeModel::theMultipliersAreTheTags()
{
    StakeModel model(QLocale::c());
    QCOMPARE(results(model), Design);
    QCOMPARE(model.tag(0), QString());
    model.load();
    model.changeStartingStake(QStringLiteral("5"));
    model.calculate();
    model.editResult(3, QStringLiteral("999"));
    model.changeStartingStake(QStringLiteral("2"));
    model.calculate();
    QCOMPARE(results(model), (QStringList{"2", "6", "14", "30", "62", "126", "254"}));
    for (int step = 0; step < StakeModel::StepCount; ++step) {
        QCOMPARE(model.tag(step), Design[step]);
    }
}

QTEST_GUILESS_MAIN(TestStakeModel)
#include "tst_stakemodel.moc"
