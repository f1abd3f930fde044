// The stake calculator window: its layout, typing and "Calculer", and its life from "M" to
// closing.
#include "board/Form1.h"
#include "platform/HelpPages.h"
#include "platform/NumberText.h"
#include "stakes/FrMise.h"
#include "support/Controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestFrMise : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void designState();
    void calculates_data();
    void calculates();
    void everyKeystrokeClearsTheResults();
    void optionsAreExclusive();
    void helpOpensTheStakePage();
    void mTwiceLeavesOneWindowAndClosingUnloadsIt();
};

namespace {

QStringList results(const QWidget* window)
{
    QStringList shown;
    for (int i = 0; i < 7; ++i) {
        shown << control<QLineEdit>(window, "Text2", i)->text();
    }
    return shown;
}

FrMise* openCalculator(Form1& board)
{
    QTest::mouseClick(control<QPushButton>(&board, "ComMise"), Qt::LeftButton);
    return board.stakeCalculator();
}

const QStringList Design { "1", "3", "7", "15", "31", "63", "127" };

} // namespace

void TestFrMise::cleanup()
{
    HelpPages::setOpener({});
    NumberText::resetUserLocale();
}

void TestFrMise::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");

    // Twips divided by 15.
    QTest::addRow("Label1") << "Label1" << -1 << QRect(16, 16, 233, 17)
                            << "Vous pouvez changer la Mise de Depart";
    QTest::addRow("Text1") << "Text1" << -1 << QRect(264, 16, 33, 19) << "1";
    QTest::addRow("Command1") << "Command1" << -1 << QRect(312, 16, 65, 17) << "Calculer";
    QTest::addRow("Text2 first") << "Text2" << 0 << QRect(8, 56, 49, 19) << "1";
    QTest::addRow("Text2 last") << "Text2" << 6 << QRect(344, 56, 49, 19) << "127";
    QTest::addRow("Option1 first") << "Option1" << 0 << QRect(24, 80, 17, 17) << "";
    QTest::addRow("Option1 last") << "Option1" << 6 << QRect(360, 80, 17, 17) << "";
    QTest::addRow("Label2") << "Label2" << -1 << QRect(24, 104, 345, 25)
                            << "Attention , assurez vous que la mise Maximale soit possible !";
    QTest::addRow("Command2") << "Command2" << -1 << QRect(376, 104, 17, 25) << "";
}

void TestFrMise::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);

    Form1 board;
    const auto* calculator = new FrMise(&board);
    QWidget* widget = control<QWidget>(calculator, name, index);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        QVERIFY(label->font().bold());
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(box->text(), text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TestFrMise::designState()
{
    Form1 board;
    const auto* calculator = new FrMise(&board);
    QCOMPARE(calculator->windowTitle(), QStringLiteral("Mise !"));
    QCOMPARE(calculator->size(), QSize(399, 132));
    QVERIFY(calculator->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(results(calculator), Design);
    // The multipliers were put aside when the window loaded.
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(calculator->model().tag(i), Design[i]);
        QCOMPARE(control<QLineEdit>(calculator, "Text2", i)->property("tag").toString(), Design[i]);
        QVERIFY(!control<QRadioButton>(calculator, "Option1", i)->isChecked());
    }
    QVERIFY(!control<QPushButton>(calculator, "Command2")->icon().isNull());
}

void TestFrMise::calculates_data()
{
    QTest::addColumn<bool>("french");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("results");

    QTest::addRow("1 as designed") << false << "" << Design;
    QTest::addRow("5") << false << "5" << QStringList { "5", "15", "35", "75", "155", "315", "635" };
    QTest::addRow("2.5 on a French desktop")
        << true << "2.5" << QStringList { "2,5", "7,5", "17,5", "37,5", "77,5", "157,5", "317,5" };
    QTest::addRow("12 euros") << false << "12 euros"
                              << QStringList { "12", "36", "84", "180", "372", "756", "1524" };
    QTest::addRow("2,5 reads 2") << true << "2,5" << QStringList { "2", "6", "14", "30", "62", "126", "254" };
    QTest::addRow("emptied") << false << "\b" << QStringList { "0", "0", "0", "0", "0", "0", "0" };
}

// Typed into the real box, key by key ("\b" erases the design "1"), then "Calculer".
void TestFrMise::calculates()
{
    QFETCH(bool, french);
    QFETCH(QString, typed);
    QFETCH(QStringList, results);
    if (french) {
        NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
    }
    Form1 board;
    board.show();
    FrMise* calculator = openCalculator(board);
    QVERIFY(QTest::qWaitForWindowExposed(calculator));
    auto* stake = control<QLineEdit>(calculator, "Text1");
    stake->setFocus();
    if (!typed.isEmpty()) {
        stake->selectAll();
        if (typed == QLatin1String("\b")) {
            QTest::keyClick(stake, Qt::Key_Backspace);
        } else {
            QTest::keyClicks(stake, typed);
        }
    }
    QTest::mouseClick(control<QPushButton>(calculator, "Command1"), Qt::LeftButton);
    QCOMPARE(::results(calculator), results);
}

void TestFrMise::everyKeystrokeClearsTheResults()
{
    Form1 board;
    board.show();
    FrMise* calculator = openCalculator(board);
    QVERIFY(QTest::qWaitForWindowExposed(calculator));
    auto* stake = control<QLineEdit>(calculator, "Text1");
    const QStringList zeros { "0", "0", "0", "0", "0", "0", "0" };

    stake->setFocus();
    stake->end(false);
    QTest::keyClick(stake, Qt::Key_0);
    QCOMPARE(results(calculator), zeros);
    QTest::mouseClick(control<QPushButton>(calculator, "Command1"), Qt::LeftButton);
    QCOMPARE(results(calculator).last(), QStringLiteral("1270"));

    // Even a key that leaves a number of the same value clears them at once.
    QTest::keyClick(stake, Qt::Key_Period);
    QCOMPARE(stake->text(), QStringLiteral("10."));
    QCOMPARE(results(calculator), zeros);
}

void TestFrMise::optionsAreExclusive()
{
    Form1 board;
    board.show();
    FrMise* calculator = openCalculator(board);
    QVERIFY(QTest::qWaitForWindowExposed(calculator));
    QTest::mouseClick(control<QRadioButton>(calculator, "Option1", 2), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(calculator, "Option1", 5), Qt::LeftButton);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(control<QRadioButton>(calculator, "Option1", i)->isChecked(), i == 5);
    }
    QCOMPARE(calculator->model().selectedStep(), 5);
    QCOMPARE(results(calculator), Design); // nothing reads them
}

void TestFrMise::helpOpensTheStakePage()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    board.show();
    FrMise* calculator = openCalculator(board);
    QTest::mouseClick(control<QPushButton>(calculator, "Command2"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideMise.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
}

void TestFrMise::mTwiceLeavesOneWindowAndClosingUnloadsIt()
{
    Form1 board;
    board.show();
    FrMise* first = openCalculator(board);
    QVERIFY(first);
    QCOMPARE(openCalculator(board), first);
    int calculators = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        calculators += window->objectName() == QLatin1String("FrMise") && window->isVisible() ? 1 : 0;
    }
    QCOMPARE(calculators, 1);
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    control<QLineEdit>(first, "Text1")->setText(QStringLiteral("5"));
    first->Command1_Click();
    first->close();
    QTRY_VERIFY(!board.stakeCalculator());

    FrMise* again = openCalculator(board);
    QVERIFY(again);
    QCOMPARE(control<QLineEdit>(again, "Text1")->text(), QStringLiteral("1"));
    QCOMPARE(results(again), Design);
    QCOMPARE(again->model().tag(6), QStringLiteral("127"));
}

QTEST_MAIN(TestFrMise)
#include "tst_frmise.moc"
