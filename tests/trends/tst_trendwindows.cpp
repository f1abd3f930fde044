// The three trend windows as the player sees them: layout, showing at the first entry,
// closing, sliding open, blinking advice.
#include "board/Form1.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "trends/TrendWindow.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTrendWindows : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void windowsStandWhereDesigned_data();
    void windowsStandWhereDesigned();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void hiddenUntilTheFirstEntry();
    void closedWindowComesBackWithItsHistory();
    void historyCellsAreReadOnly();
    void countersShowInTheirLabels();
    void slideOpensAndCloses();
    void slideStateSurvivesEntries();
    void adviceBlinksEveryHalfSecond();
    void helpOpensTheTrendPage();
};

void TestTrendWindows::cleanup()
{
    MessageBox::clearNextAnswer();
    HelpPages::setOpener({});
}

void TestTrendWindows::windowsStandWhereDesigned_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("client");
    QTest::addRow("colour") << 0 << "Form2"
                            << "Couleur Noir/Rouge" << QRect(-2, 21, 505, 21);
    QTest::addRow("passe/manque") << 1 << "Form3"
                                  << "Pass/Manque" << QRect(-1, 64, 506, 21);
    QTest::addRow("pair/impair") << 2 << "Form4"
                                 << "Pair/Impair" << QRect(-1, 107, 506, 21);
}

void TestTrendWindows::windowsStandWhereDesigned()
{
    QFETCH(int, pair);
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, client);

    const Form1 board;
    const TrendWindow* window = board.trendWindow(static_cast<EvenChance>(pair));
    QCOMPARE(window->objectName(), name);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->geometry().topLeft(), client.topLeft());
    QCOMPARE(window->height(), client.height()); // collapsed: 690 twips less the frame
    QCOMPARE(window->width(), client.width());
    QVERIFY(!window->isVisible());
}

void TestTrendWindows::controlsStandWhereDesigned_data()
{
    QTest::addColumn<int>("pair");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");

    QTest::addRow("first colour cell") << 0 << "Picture1" << 0 << QRect(0, 0, 17, 19) << "";
    QTest::addRow("colour suggestion") << 0 << "Picture1" << 20 << QRect(448, 0, 17, 19) << "";
    QTest::addRow("passe/manque cell 19") << 1 << "Text1" << 19 << QRect(304, 0, 17, 19) << "";
    QTest::addRow("pair/impair suggestion") << 2 << "Text1" << 20 << QRect(448, 0, 17, 19) << "";
    QTest::addRow("slide button") << 1 << "Command1" << -1 << QRect(472, 0, 17, 25) << "";
    QTest::addRow("help button") << 1 << "Command2" << -1 << QRect(488, 0, 17, 25) << "";
    QTest::addRow("row 1 left") << 0 << "Label2" << -1 << QRect(0, 24, 177, 17)
                                << "Risque de Repetition Superieur a: 4";
    QTest::addRow("warning rep 4") << 0 << "Label4" << -1 << QRect(184, 24, 65, 17) << "";
    QTest::addRow("row 1 right") << 2 << "Label3" << -1 << QRect(256, 24, 177, 17)
                                 << "Risque de Repetition Superieur a: 5";
    QTest::addRow("warning rep 5") << 2 << "Label5" << -1 << QRect(440, 24, 65, 17) << "";
    QTest::addRow("row 2 left") << 1 << "Label6" << -1 << QRect(0, 40, 209, 17)
                                << "Tirage Normal entre Repet de 4 = 33->200";
    QTest::addRow("count rep 4") << 1 << "Label8" << -1 << QRect(208, 40, 41, 17) << "";
    QTest::addRow("row 2 right") << 0 << "Label7" << -1 << QRect(256, 40, 209, 17)
                                 << "Tirage Normal entre Repet de 5 = 40->133";
    QTest::addRow("count rep 5") << 0 << "Label9" << -1 << QRect(464, 40, 41, 17) << "";
    // The colour window names its alternation rows differently.
    QTest::addRow("colour row 3 left")
        << 0 << "Label14" << -1 << QRect(0, 56, 177, 17) << "Risque d' Alternance Superieur a: 4";
    QTest::addRow("colour warning alt 4") << 0 << "Label12" << -1 << QRect(184, 56, 65, 17) << "";
    QTest::addRow("colour row 3 right")
        << 0 << "Label13" << -1 << QRect(256, 56, 177, 17) << "Risque d' Alternance Superieur a: 5";
    QTest::addRow("colour warning alt 5") << 0 << "Label11" << -1 << QRect(440, 56, 65, 17) << "";
    QTest::addRow("colour row 4 left")
        << 0 << "Label15" << -1 << QRect(0, 72, 209, 17) << "Tirage Normal entre Altern de 4 = 33->200";
    QTest::addRow("colour count alt 4") << 0 << "Label17" << -1 << QRect(208, 72, 41, 17) << "";
    QTest::addRow("colour row 4 right")
        << 0 << "Label16" << -1 << QRect(256, 72, 209, 17) << "Tirage Normal entre Altern de 5 = 40->133";
    QTest::addRow("colour count alt 5") << 0 << "Label18" << -1 << QRect(464, 72, 41, 17) << "";
    QTest::addRow("text row 3 left") << 1 << "Label15" << -1 << QRect(0, 56, 177, 17)
                                     << "Risque d' Alternance Superieur a: 4";
    QTest::addRow("text warning alt 4") << 1 << "Label17" << -1 << QRect(184, 56, 65, 17) << "";
    QTest::addRow("text row 3 right")
        << 2 << "Label16" << -1 << QRect(256, 56, 177, 17) << "Risque d' Alternance Superieur a: 5";
    QTest::addRow("text warning alt 5") << 2 << "Label18" << -1 << QRect(440, 56, 65, 17) << "";
    QTest::addRow("text row 4 left") << 1 << "Label14" << -1 << QRect(0, 72, 209, 17)
                                     << "Tirage Normal entre Altern de 4 = 33->200";
    QTest::addRow("text count alt 4") << 1 << "Label12" << -1 << QRect(208, 72, 41, 17) << "";
    QTest::addRow("text row 4 right")
        << 2 << "Label13" << -1 << QRect(256, 72, 209, 17) << "Tirage Normal entre Altern de 5 = 40->133";
    QTest::addRow("text count alt 5") << 2 << "Label11" << -1 << QRect(464, 72, 41, 17) << "";
    QTest::addRow("advice caption") << 0 << "Label1" << -1 << QRect(320, 0, 121, 17) << "Label1";
}

void TestTrendWindows::controlsStandWhereDesigned()
{
    QFETCH(int, pair);
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);

    const Form1 board;
    const TrendWindow* window = board.trendWindow(static_cast<EvenChance>(pair));
    QWidget* widget = control<QWidget>(window, name, index);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(box->text(), text);
    }
}

void TestTrendWindows::hiddenUntilTheFirstEntry()
{
    Form1 board;
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(!board.trendWindow(static_cast<EvenChance>(pair))->isVisible());
        QVERIFY(!control<QLabel>(board.trendWindow(static_cast<EvenChance>(pair)), "Label10")
                     ->isVisibleTo(board.trendWindow(static_cast<EvenChance>(pair))));
    }
    QVERIFY(enterConfirmed(board, 19));
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        const TrendWindow* window = board.trendWindow(static_cast<EvenChance>(pair));
        QVERIFY(window->isVisible());
        QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(control<QLabel>(window, "Label1")->text(), QString());
        QVERIFY(!control<QLabel>(window, "Label10")->isVisible());
    }
    QCOMPARE(Colours::backColour(control<QWidget>(board.trendWindow(EvenChance::Colour), "Picture1", 19)),
        Colours::Red);
    QCOMPARE(control<QLineEdit>(board.trendWindow(EvenChance::PasseManque), "Text1", 19)->text(),
        QStringLiteral("+"));
    QCOMPARE(control<QLineEdit>(board.trendWindow(EvenChance::PairImpair), "Text1", 19)->text(),
        QStringLiteral("I"));
}

void TestTrendWindows::closedWindowComesBackWithItsHistory()
{
    Form1 board;
    QVERIFY(enterConfirmed(board, 20));
    TrendWindow* window = board.trendWindow(EvenChance::PairImpair);
    QVERIFY(window->close());
    QVERIFY(!window->isVisible());
    QVERIFY(enterConfirmed(board, 21));
    QVERIFY(window->isVisible());
    QCOMPARE(control<QLineEdit>(window, "Text1", 18)->text(), QStringLiteral("P"));
    QCOMPARE(control<QLineEdit>(window, "Text1", 19)->text(), QStringLiteral("I"));
}

void TestTrendWindows::historyCellsAreReadOnly()
{
    Form1 board;
    QVERIFY(enterConfirmed(board, 5));
    auto* cell = control<QLineEdit>(board.trendWindow(EvenChance::PasseManque), "Text1", 19);
    QTest::keyClicks(cell, "+++");
    QTest::keyClick(cell, Qt::Key_Backspace);
    QCOMPARE(cell->text(), QStringLiteral("-"));
    QCOMPARE(board.model().evenChance(EvenChance::PasseManque).cell(19), Mark::ofText(QStringLiteral("-")));
}

void TestTrendWindows::countersShowInTheirLabels()
{
    Form1 board;
    for (const int n : {1, 3, 5, 7, 9, 12}) { // six reds
        QVERIFY(enterConfirmed(board, n));
    }
    const TrendWindow* colour = board.trendWindow(EvenChance::Colour);
    QCOMPARE(control<QLabel>(colour, "Label8")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(colour, "Label9")->text(), QStringLiteral("2"));
    QCOMPARE(control<QLabel>(colour, "Label17")->text(), QString());
    QCOMPARE(control<QLabel>(colour, "Label1")->text(), QStringLiteral("  160% de Chance sur : "));
    QCOMPARE(Colours::backColour(control<QWidget>(colour, "Picture1", 20)), Colours::Grey);
}

void TestTrendWindows::slideOpensAndCloses()
{
    Form1 board;
    QVERIFY(enterConfirmed(board, 8));
    TrendWindow* window = board.trendWindow(EvenChance::PasseManque);
    auto* button = control<QPushButton>(window, "Command1");
    QCOMPARE(button->property("Tag").toString(), QStringLiteral("0"));
    QVERIFY(!button->icon().isNull());

    const int collapsed = window->height();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isEnabled());
    QCOMPARE(button->property("Tag").toString(), QStringLiteral("1"));
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 10000);
    QCOMPARE(window->height(), 89); // 1710 twips less the frame: the four rows of counters
    QCOMPARE(window->slide().picture(), QStringLiteral("flecheH.ico"));
    QVERIFY(!button->icon().isNull());
    QVERIFY(control<QLabel>(window, "Label11")->geometry().bottom() < window->height());

    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY(!button->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 10000);
    QCOMPARE(window->height(), collapsed);
    QCOMPARE(button->property("Tag").toString(), QStringLiteral("0"));
    QCOMPARE(window->slide().picture(), QStringLiteral("flecheB.ico"));
}

void TestTrendWindows::slideStateSurvivesEntries()
{
    Form1 board;
    QVERIFY(enterConfirmed(board, 8));
    TrendWindow* window = board.trendWindow(EvenChance::Colour);
    window->Command1_Click();
    while (window->slide().isTimerEnabled()) {
        window->Timer1_Timer();
    }
    const int open = window->height();
    for (const int n : {4, 0, 33}) {
        QVERIFY(enterConfirmed(board, n));
        QCOMPARE(window->height(), open);
        QCOMPARE(window->slide().tag(), QStringLiteral("1"));
    }
    QCOMPARE(board.trendWindow(EvenChance::PairImpair)->slide().tag(), QStringLiteral("0"));
}

// The advice caption turns red half a second after the entry, back to normal a half second
// later, and stops at the next entry.
void TestTrendWindows::adviceBlinksEveryHalfSecond()
{
    Form1 board;
    for (const int n : {1, 3, 5}) {
        QVERIFY(enterConfirmed(board, n));
    }
    auto* caption = control<QLabel>(board.trendWindow(EvenChance::Colour), "Label1");
    QElapsedTimer clock;
    QVERIFY(enterConfirmed(board, 7));
    clock.start();
    QCOMPARE(Colours::backColour(caption), Colours::ButtonFace);
    QVERIFY(control<QTimer>(&board, "Timer1")->isActive());

    QTRY_COMPARE_WITH_TIMEOUT(Colours::backColour(caption), Colours::Red, 3000);
    const qint64 firstRed = clock.elapsed();
    QVERIFY2(firstRed >= 450, qPrintable(QString::number(firstRed)));
    QTRY_COMPARE_WITH_TIMEOUT(Colours::backColour(caption), Colours::ButtonFace, 3000);
    QVERIFY(clock.elapsed() - firstRed >= 450);

    QVERIFY(enterConfirmed(board, 2)); // no colour advice: the blink stops at once
    QCOMPARE(Colours::backColour(caption), Colours::ButtonFace);
    QVERIFY(!control<QTimer>(&board, "Timer1")->isActive());
}

void TestTrendWindows::helpOpensTheTrendPage()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    QVERIFY(enterConfirmed(board, 8));
    QTest::mouseClick(
        control<QPushButton>(board.trendWindow(EvenChance::PairImpair), "Command2"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideSimple.html"));
}

QTEST_MAIN(TestTrendWindows)
#include "tst_trendwindows.moc"
