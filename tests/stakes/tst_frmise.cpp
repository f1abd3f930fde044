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
    void typedAndCalculated();
    void mTwiceThenClosingAndReopening();
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
    board.show();
    QTest::mouseClick(control<QPushButton>(&board, "ComMise"), Qt::LeftButton);
    return board.stakeCalculator();
}

const QStringList Design{"1", "3", "7", "15", "31", "63", "127"};
const QStringList Zeros{"0", "0", "0", "0", "0", "0", "0"};

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
    QCOMPARE(calculator->windowTitle(), QStringLiteral("Mise !"));
    QCOMPARE(calculator->size(), QSize(399, 132));
    QWidget* widget = control<QWidget>(calculator, name, index);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->property("text").toString(), text); // label, box or button
    if (qobject_cast<QLabel*>(widget)) {
        QVERIFY(widget->font().bold());
    }
}

// Typed key by key into the real box on a French desktop: the first key clears the results,
// "Calculer" fills them, and the narrow boxes carry their whole text as a tooltip.
void TestFrMise::typedAndCalculated()
{
    NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
    Form1 board;
    FrMise* calculator = openCalculator(board);
    QCOMPARE(results(calculator), Design);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(calculator->model().tag(i), Design[i]);
    }
    auto* stake = control<QLineEdit>(calculator, "Text1");
    auto* calculate = control<QPushButton>(calculator, "Command1");
    stake->setFocus();
    stake->selectAll();
    QTest::keyClick(stake, Qt::Key_2);
    QCOMPARE(results(calculator), Zeros);
    QTest::keyClicks(stake, ".5");
    QTest::mouseClick(calculate, Qt::LeftButton);
    const QStringList stakes{"2,5", "7,5", "17,5", "37,5", "77,5", "157,5", "317,5"};
    QCOMPARE(results(calculator), stakes);
    for (int i = 0; i < 7; ++i) {
        QCOMPARE(control<QLineEdit>(calculator, "Text2", i)->toolTip(), stakes[i]);
    }

    QTest::keyClick(stake, Qt::Key_0); // "2.50": same value, cleared all the same
    QCOMPARE(results(calculator), Zeros);
    stake->selectAll();
    QTest::keyClick(stake, Qt::Key_Backspace);
    QTest::mouseClick(calculate, Qt::LeftButton);
    QCOMPARE(results(calculator), Zeros);
}

// "M" twice: one window, top-most, with its help and its option buttons. Closed, it is
// gone; opened again, it starts afresh with the design texts and tags.
void TestFrMise::mTwiceThenClosingAndReopening()
{
    Form1 board;
    FrMise* first = openCalculator(board);
    QCOMPARE(openCalculator(board), first);
    int shown = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        shown += window->objectName() == QLatin1String("FrMise") && window->isVisible() ? 1 : 0;
    }
    QCOMPARE(shown, 1);
    QVERIFY(first->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    QTest::mouseClick(control<QPushButton>(first, "Command2"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideMise.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));

    QTest::mouseClick(control<QRadioButton>(first, "Option1", 2), Qt::LeftButton);
    QTest::mouseClick(control<QRadioButton>(first, "Option1", 5), Qt::LeftButton);
    QCOMPARE(first->model().selectedStep(), 5);
    QVERIFY(!control<QRadioButton>(first, "Option1", 2)->isChecked());

    control<QLineEdit>(first, "Text1")->setText(QStringLiteral("5"));
    first->Command1_Click();
    first->close();
    QTRY_VERIFY(!board.stakeCalculator());

    FrMise* again = openCalculator(board);
    QCOMPARE(control<QLineEdit>(again, "Text1")->text(), QStringLiteral("1"));
    QCOMPARE(results(again), Design);
    QCOMPARE(again->model().tag(6), QStringLiteral("127"));
}

QTEST_MAIN(TestFrMise)
#include "tst_frmise.moc"
