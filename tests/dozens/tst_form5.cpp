// The dozen and column window and the blinks it shares with the board: its layout, when it
// appears, what closing it does, its help page, and the 500 ms blinks on real timers.
#include "board/Form1.h"
#include "dozens/DozensModel.h"
#include "dozens/Form5.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "support/OffscreenWarnings.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestForm5 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void windowAsDesigned();
    void comesWithTheFirstEntry();
    void closedWindowComesBackWithItsHistory();
    void goesAwayWithTheBoard();
    void focusGoesBackToTheBoard();
    void helpButtonOpensItsPage();
    void dozenBlinkOnRealTimers();
};

namespace {

// Enters numbers on the board as if the player confirmed each one.
void enter(Form1& board, std::initializer_list<int> numbers)
{
    for (const int n : numbers) {
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.Text1_Click(n));
    }
}

QString caption(const Form5* window, const char* name, int index)
{
    return control<QLabel>(window, QString::fromLatin1(name), index)->text();
}

ColourCode back(const QWidget* window, const char* name)
{
    return Colours::backColour(control<QWidget>(window, QString::fromLatin1(name)));
}

} // namespace

void TestForm5::initTestCase()
{
    dropOffscreenWindowWarnings();
}

void TestForm5::cleanup()
{
    MessageBox::clearNextAnswer();
    HelpPages::setOpener({});
}

void TestForm5::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("bold");

    // Twips divided by 15.
    QTest::addRow("Label3") << "Label3" << -1 << QRect(0, 0, 89, 17) << "Colonnes   :" << true;
    QTest::addRow("Label1 first") << "Label1" << 0 << QRect(88, 0, 17, 17) << "" << true;
    QTest::addRow("Label1 last") << "Label1" << 19 << QRect(392, 0, 17, 17) << "" << true;
    QTest::addRow("Label4") << "Label4" << -1 << QRect(0, 24, 89, 17) << "Douzaines :" << true;
    QTest::addRow("Label2 first") << "Label2" << 0 << QRect(88, 24, 17, 17) << "" << true;
    QTest::addRow("Label2 tenth") << "Label2" << 9 << QRect(232, 24, 17, 17) << "" << true;
    QTest::addRow("Label2 last") << "Label2" << 19 << QRect(392, 24, 17, 17) << "" << true;
    QTest::addRow("Label5") << "Label5" << -1 << QRect(408, 0, 41, 17) << "" << false;
    QTest::addRow("Label6") << "Label6" << -1 << QRect(408, 24, 41, 17) << "" << false;
    QTest::addRow("Command2") << "Command2" << -1 << QRect(456, 8, 17, 25) << "" << false;
}

void TestForm5::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);
    QFETCH(bool, bold);

    const DozensModel model;
    const Form5 window(model);
    QWidget* widget = control<QWidget>(&window, name, index);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(widget->font().bold(), bold);
    if (bold) {
        QCOMPARE(widget->font().pointSizeF(), 9.75);
    }
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
        QCOMPARE(Colours::backColour(label), Colours::InactiveTitleBar);
        // A title reads whole inside its label, short of the first square.
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(text) <= pixels.width() - 1);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TestForm5::windowAsDesigned()
{
    const DozensModel model;
    const Form5 window(model);
    QCOMPARE(window.objectName(), QStringLiteral("Form5"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Colonne/Douzaine"));
    // Client area 7155 x 615 with its top left corner at 45, 2310 on the screen.
    QCOMPARE(window.geometry(), QRect(3, 154, 477, 41));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(window.isWindow());
    QVERIFY(window.windowFlags().testFlag(Qt::Tool));
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window.testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!control<QPushButton>(&window, "Command2")->icon().isNull());
    QCOMPARE(window.findChildren<QLabel*>(QStringLiteral("Label1")).size(), 20);
    QCOMPARE(window.findChildren<QLabel*>(QStringLiteral("Label2")).size(), 20);
}

void TestForm5::comesWithTheFirstEntry()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QVERIFY(!board.form5());

    MessageBox::setNextAnswer(MessageBox::No);
    QVERIFY(!board.Text1_Click(7));
    QVERIFY(!board.form5());

    enter(board, {7});
    Form5* window = board.form5();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QCOMPARE(window->geometry().topLeft(), QPoint(3, 154));
    QCOMPARE(caption(window, "Label1", 19), QStringLiteral("1"));
    QCOMPARE(caption(window, "Label2", 19), QStringLiteral("1"));
    for (int i = 0; i < 19; ++i) {
        QCOMPARE(caption(window, "Label1", i), QString());
        QCOMPARE(caption(window, "Label2", i), QString());
    }
    QCOMPARE(back(window, "Label5"), Colours::InactiveTitleBar);
    QCOMPARE(back(window, "Label6"), Colours::InactiveTitleBar);

    enter(board, {0});
    QCOMPARE(board.form5(), window);
    QCOMPARE(caption(window, "Label1", 19), QString());
    QCOMPARE(caption(window, "Label1", 18), QStringLiteral("1"));
}

void TestForm5::closedWindowComesBackWithItsHistory()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    enter(board, {5, 14});
    QPointer<Form5> window = board.form5();
    QVERIFY(window->close());
    QVERIFY(window);
    QVERIFY(!window->isVisible());
    QVERIFY(board.isVisible());
    QCOMPARE(caption(window, "Label2", 19), QStringLiteral("2"));

    enter(board, {27});
    QCOMPARE(board.form5(), window.data());
    QVERIFY(window->isVisible());
    QCOMPARE(caption(window, "Label2", 17), QStringLiteral("1"));
    QCOMPARE(caption(window, "Label2", 18), QStringLiteral("2"));
    QCOMPARE(caption(window, "Label2", 19), QStringLiteral("3"));
}

void TestForm5::goesAwayWithTheBoard()
{
    QPointer<Form5> window;
    {
        Form1 board;
        enter(board, {9});
        window = board.form5();
        QVERIFY(window);
    }
    QVERIFY(window.isNull());
}

void TestForm5::focusGoesBackToTheBoard()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    enter(board, {9});
    Form5* window = board.form5();
    QVERIFY(QTest::qWaitForWindowExposed(window));

    // The player clicked into the dozen and column window, then entered a number.
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    enter(board, {10});
    QTRY_VERIFY(board.isActiveWindow());
    QVERIFY(window->isVisible());
}

void TestForm5::helpButtonOpensItsPage()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    enter(board, {2, 5});
    Form5* window = board.form5();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(control<QPushButton>(window, "Command2"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first().isLocalFile());
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideCD.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
    // Nothing else changed.
    QCOMPARE(board.model().tirage(), 2);
    QCOMPARE(caption(window, "Label1", 19), QStringLiteral("2"));
}

// Three of the first dozen: the indicator is red half a second after the entry, with the two
// other dozens yellow; button face at one second, the dozens still yellow; red again at one
// and a half.
void TestForm5::dozenBlinkOnRealTimers()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    enter(board, {2, 6, 10});
    QElapsedTimer sinceEntry;
    sinceEntry.start();
    const Form5* window = board.form5();
    QCOMPARE(back(window, "Label6"), Colours::InactiveTitleBar);
    QCOMPARE(back(&board, "Text3"), Colours::InactiveTitleBar);

    QTRY_COMPARE_WITH_TIMEOUT(back(window, "Label6"), Colours::Red, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 400, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(&board, "Text2"), Colours::InactiveTitleBar);
    QCOMPARE(back(&board, "Text3"), Colours::Yellow);
    QCOMPARE(back(&board, "Text4"), Colours::Yellow);

    QTRY_COMPARE_WITH_TIMEOUT(back(window, "Label6"), Colours::ButtonFace, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 900, qPrintable(QString::number(sinceEntry.elapsed())));
    QCOMPARE(back(&board, "Text3"), Colours::Yellow);
    QCOMPARE(back(&board, "Text4"), Colours::Yellow);

    QTRY_COMPARE_WITH_TIMEOUT(back(window, "Label6"), Colours::Red, 3000);
    QVERIFY2(sinceEntry.elapsed() >= 1400, qPrintable(QString::number(sinceEntry.elapsed())));

    // The columns (2, 3, 1) never blinked.
    QCOMPARE(back(window, "Label5"), Colours::InactiveTitleBar);
    for (const char* box : {"Text5", "Text6", "Text7"}) {
        QCOMPARE(back(&board, box), Colours::InactiveTitleBar);
    }
}

QTEST_MAIN(TestForm5)
#include "tst_form5.moc"
