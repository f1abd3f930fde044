// SPDX-License-Identifier: GPL-3.0-or-later
// The stake calculator without its window: beyond fifteen digits, and beyond a double's range,
// the progression is written in the locale's decimal form. The golden file has the rest.
#include "stakes/StakeModel.h"

#include <QTest>

namespace {

QStringList results(const StakeModel& model)
{
    QStringList shown;
    for (int step = 0; step < StakeModel::StepCount; ++step) {
        shown << model.result(step);
    }
    return shown;
}

} // namespace

class TestStakeModel : public QObject
{
    Q_OBJECT

private slots:
    void stakes()
    {
        StakeModel french(QLocale(QLocale::French, QLocale::France));
        french.changeStartingStake(QStringLiteral("1e20"));
        french.calculate();
        QCOMPARE(results(french),
            QStringList({"1E+20", "3E+20", "7E+20", "1,5E+21", "3,1E+21", "6,3E+21", "1,27E+22"}));
        StakeModel c(QLocale::c());
        c.changeStartingStake(QStringLiteral("1e307"));
        c.calculate();
        const QString out = QStringLiteral("Trop grand");
        QCOMPARE(results(c), QStringList({"1E+307", "3E+307", "7E+307", "1.5E+308", out, out, out}));
    }
};

QTEST_GUILESS_MAIN(TestStakeModel)
#include "tst_stakemodel.moc"
