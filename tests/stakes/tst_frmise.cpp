// The stake calculator window: typing and "Calculer" on a French desktop, opening, closing.
#include "board/Form1.h"
#include "platform/NumberText.h"
#include "stakes/FrMise.h"
#include "support/Controls.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

QStringList results(const QWidget* window)
{
    QStringList shown;
    for (int i = 0; i < 7; ++i) {
        shown << control<QLineEdit>(window, "Text2", i)->text();
    }
    return shown;
}

} // namespace

class TestFrMise : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NumberText::resetUserLocale(); }

    // Typed key by key into the real box: "Calculer" writes the stakes with the French decimal
    // comma, and any key clears them, even one that keeps the value. "M" again shows the same
    // window; closed, it is gone, and opened again it starts afresh.
    void typedCalculatedAndReopened()
    {
        NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
        Form1 board;
        board.show();
        QTest::mouseClick(control<QPushButton>(&board, "ComMise"), Qt::LeftButton);
        FrMise* calculator = board.stakeCalculator();
        auto* stake = control<QLineEdit>(calculator, "Text1");
        stake->setFocus();
        stake->selectAll();
        QTest::keyClicks(stake, "2.5");
        QTest::mouseClick(control<QPushButton>(calculator, "Command1"), Qt::LeftButton);
        QCOMPARE(results(calculator), (QStringList{"2,5", "7,5", "17,5", "37,5", "77,5", "157,5", "317,5"}));
        QTest::keyClick(stake, Qt::Key_0);
        QCOMPARE(results(calculator), QStringList(7, QStringLiteral("0")));

        board.ComMise_Click();
        QCOMPARE(board.stakeCalculator(), calculator);
        calculator->close();
        QTRY_VERIFY(!board.stakeCalculator());
        board.ComMise_Click();
        QCOMPARE(control<QLineEdit>(board.stakeCalculator(), "Text1")->text(), QStringLiteral("1"));
        QCOMPARE(results(board.stakeCalculator()), QStringList({"1", "3", "7", "15", "31", "63", "127"}));
    }
};

QTEST_MAIN(TestFrMise)
#include "tst_frmise.moc"
