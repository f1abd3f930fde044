// Screen readers: everything the board and its windows show by colour is also said in words.
#include "board/Form1.h"
#include "board/SpokenWords.h"
#include "dozens/Form5.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QString spokenName(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

QString spokenDescription(QWidget* widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Description) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void numberCellsSayNumberAndColour_data();
    void numberCellsSayNumberAndColour();
    void stripAndCandidatesSayTheirNumbers();
    void advisedBoxesAndIndicatorInWords();
    void trendWindowsInWords();
    void groupIndicatorWords_data();
    void groupIndicatorWords();
};

void TestAccessibility::numberCellsSayNumberAndColour_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("name");
    QTest::addRow("red") << 7 << "7 rouge";
    QTest::addRow("black") << 2 << "2 noir";
    QTest::addRow("zero") << 0 << "0 vert";
    QTest::addRow("red 36") << 36 << "36 rouge";
    QTest::addRow("black 35") << 35 << "35 noir";
}

void TestAccessibility::numberCellsSayNumberAndColour()
{
    QFETCH(int, number);
    QFETCH(QString, name);

    Form1 board;
    QWidget* cell = board.numberCell(number);
    QCOMPARE(spokenName(cell), name);
    QCOMPARE(spokenDescription(cell), QStringLiteral("Pas encore sorti"));
    QVERIFY(enterConfirmed(board, number));
    QVERIFY(enterConfirmed(board, number));
    QCOMPARE(spokenDescription(cell), QStringLiteral("2 Fois Sorti"));
    QCOMPARE(spokenName(cell), name);
}

void TestAccessibility::stripAndCandidatesSayTheirNumbers()
{
    Form1 board;
    QCOMPARE(spokenName(control<QLabel>(&board, "Label5", 21)), QStringLiteral("vide"));
    for (int n = 0; n <= 26; ++n) {
        QVERIFY(enterConfirmed(board, n));
    }
    QCOMPARE(spokenName(control<QLabel>(&board, "Label5", 21)), QStringLiteral("26 noir"));
    QCOMPARE(spokenName(control<QLabel>(&board, "Label5", 20)), QStringLiteral("25 rouge"));
    // Ten numbers left: the candidate row names them, their cells say they are advised.
    QCOMPARE(spokenName(control<QLabel>(&board, "Label1", 0)), QStringLiteral("27 rouge"));
    QCOMPARE(spokenName(control<QLabel>(&board, "Label1", 9)), QStringLiteral("36 rouge"));
    QCOMPARE(spokenDescription(board.numberCell(27)), QStringLiteral("Pas encore sorti, numéro conseillé"));
    QCOMPARE(spokenDescription(board.numberCell(26)), QStringLiteral("1 Fois Sorti"));
    QCOMPARE(spokenName(control<QLabel>(&board, "Label8")),
        QStringLiteral("Attente des numéros conseillés : vert"));

    for (const int n : {12, 4, 17, 9, 22, 14}) { // six entries without a candidate: red
        QVERIFY(enterConfirmed(board, n));
    }
    QCOMPARE(spokenName(control<QLabel>(&board, "Label8")),
        QStringLiteral("Attente des numéros conseillés : rouge, très longue"));
}

void TestAccessibility::advisedBoxesAndIndicatorInWords()
{
    Form1 board;
    for (const int n : {1, 2, 3}) { // the first dozen three times: the two others advised
        QVERIFY(enterConfirmed(board, n));
    }
    QLineEdit* second = control<QLineEdit>(&board, "Text3");
    QLineEdit* first = control<QLineEdit>(&board, "Text2");
    QCOMPARE(spokenName(second), QStringLiteral("2em Douzaine"));
    QCOMPARE(spokenDescription(second), QStringLiteral("non conseillée"));
    QTRY_COMPARE_WITH_TIMEOUT(spokenDescription(second), QStringLiteral("conseillée, à jouer"), 3000);
    QCOMPARE(spokenDescription(first), QStringLiteral("non conseillée"));
    QCOMPARE(spokenName(control<QLabel>(board.form5(), "Label6")),
        QStringLiteral("Douzaines : conseil en cours, jouer 2 et 3"));
    QCOMPARE(
        spokenName(control<QLabel>(board.form5(), "Label5")), QStringLiteral("Colonnes : aucun conseil"));
}

void TestAccessibility::trendWindowsInWords()
{
    Form1 board;
    for (const int n : {1, 3, 5, 7}) {
        QVERIFY(enterConfirmed(board, n));
    }
    const TrendWindow* colour = board.trendWindow(EvenChance::Colour);
    QCOMPARE(spokenName(control<QWidget>(colour, "Picture1", 19)), QStringLiteral("rouge"));
    QCOMPARE(spokenName(control<QWidget>(colour, "Picture1", 0)), QStringLiteral("vide"));
    QCOMPARE(spokenName(control<QWidget>(colour, "Picture1", 20)), QStringLiteral("Suggestion : noir"));
    QCOMPARE(spokenName(control<QLabel>(colour, "Label1")), QStringLiteral("140% de Chance sur : noir"));
    const TrendWindow* passeManque = board.trendWindow(EvenChance::PasseManque);
    QCOMPARE(spokenName(control<QWidget>(passeManque, "Text1", 19)), QStringLiteral("manque"));
    QCOMPARE(spokenName(control<QLabel>(passeManque, "Label4")),
        QStringLiteral("Risque de Repetition Superieur a: 4 : pas d’alerte"));

    QVERIFY(enterConfirmed(board, 2)); // no advice any more
    QCOMPARE(spokenName(control<QLabel>(colour, "Label1")), QStringLiteral("Aucun conseil"));
}

void TestAccessibility::groupIndicatorWords_data()
{
    QTest::addColumn<ColourCode>("colour");
    QTest::addColumn<QString>("repeated");
    QTest::addColumn<QString>("words");
    QTest::addRow("idle") << Colours::InactiveTitleBar << "2"
                          << "Colonnes : aucun conseil";
    QTest::addRow("red, column 1") << Colours::Red << "1"
                                   << "Colonnes : conseil en cours, jouer 2 et 3";
    QTest::addRow("button face, column 3") << Colours::ButtonFace << "3"
                                           << "Colonnes : conseil en cours, jouer 1 et 2";
    QTest::addRow("after zeros") << Colours::Red << ""
                                 << "Colonnes : conseil en cours";
}

void TestAccessibility::groupIndicatorWords()
{
    QFETCH(ColourCode, colour);
    QFETCH(QString, repeated);
    QFETCH(QString, words);
    QCOMPARE(SpokenWords::groupIndicator(QStringLiteral("Colonnes"), colour, repeated), words);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
