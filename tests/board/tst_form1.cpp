// The board window: its layout as designed, entries through the confirmation box, help.
#include "board/Form1.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Widgets.h"
#include "support/Controls.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void numberCellsFormThreeRowsOfTwelve();
    void startUpState();
    void tabOrderFollowsTheDesign();
    void typingIntoACellDoesNothing();
    void clickingACellEntersItsNumber();
    void keyboardEntersTheFocusedCell();
    void answerNoChangesNothing();
    void realConfirmationBox();
    void helpButtonOpensTheBoardPage();
    void closingTheBoardEndsTheProgram();
};

namespace {

// Everything the board shows, to compare before and after.
QStringList snapshot(const Form1& board)
{
    QStringList shown;
    for (QWidget* widget : board.findChildren<QWidget*>()) {
        QString line = widget->objectName() + QLatin1Char('/') + widget->property("index").toString()
            + QLatin1Char('=');
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            line += label->text();
        } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
            line += box->text();
        }
        line += QLatin1Char('|') + QString::number(Colours::backColour(widget)) + QLatin1Char('|')
            + QString::number(Colours::foreColour(widget)) + QLatin1Char('|') + widget->toolTip();
        shown << line;
    }
    shown << QString::number(board.height());
    return shown;
}

} // namespace

void TestForm1::cleanup()
{
    MessageBox::clearNextAnswer();
    HelpPages::setOpener({});
}

void TestForm1::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<QString>("text");

    // Twips divided by 15.
    QTest::addRow("zero") << "Text1" << 0 << QRect(0, 16, 25, 19) << "0";
    QTest::addRow("Text2") << "Text2" << -1 << QRect(24, 48, 97, 19) << "    1er Douzaine";
    QTest::addRow("Text3") << "Text3" << -1 << QRect(120, 48, 97, 19) << "   2em Douzaine";
    QTest::addRow("Text4") << "Text4" << -1 << QRect(216, 48, 89, 19) << "   3em Douzaine";
    QTest::addRow("Text5") << "Text5" << -1 << QRect(312, 32, 41, 19) << "1e Col";
    QTest::addRow("Text6") << "Text6" << -1 << QRect(312, 16, 41, 19) << "2e Col";
    QTest::addRow("Text7") << "Text7" << -1 << QRect(312, 0, 41, 19) << "3e Col";
    QTest::addRow("Label3") << "Label3" << -1 << QRect(0, 64, 33, 17) << "";
    QTest::addRow("Label2") << "Label2" << -1 << QRect(32, 64, 145, 17) << "N° Pas encore Sortis :";
    QTest::addRow("Label1 first") << "Label1" << 0 << QRect(176, 64, 17, 17) << "";
    QTest::addRow("Label1 last") << "Label1" << 9 << QRect(320, 64, 17, 17) << "";
    QTest::addRow("Label4") << "Label4" << -1 << QRect(304, 48, 33, 17) << "";
    QTest::addRow("Label5 first") << "Label5" << 0 << QRect(0, 80, 17, 17) << "";
    QTest::addRow("Label5 last") << "Label5" << 21 << QRect(336, 80, 17, 17) << "";
    QTest::addRow("Label7") << "Label7" << -1 << QRect(0, 96, 217, 17)
                            << "Vous pouvez Jouer les Numeros Clignotants";
    QTest::addRow("Label8") << "Label8" << -1 << QRect(216, 96, 153, 17) << "";
    QTest::addRow("ComMise") << "ComMise" << -1 << QRect(0, 0, 25, 17) << "M";
    QTest::addRow("Command2") << "Command2" << -1 << QRect(352, 0, 17, 97) << "SIMULER";
    QTest::addRow("Command1") << "Command1" << -1 << QRect(336, 48, 17, 33) << "";
}

void TestForm1::controlsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    QFETCH(QRect, pixels);
    QFETCH(QString, text);

    const Form1 board;
    QWidget* widget = control<QWidget>(&board, name, index);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->geometry(), pixels);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), text);
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(box->text(), text);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), text);
    }
}

void TestForm1::numberCellsFormThreeRowsOfTwelve()
{
    const Form1 board;
    for (int n = 1; n <= 36; ++n) {
        const QWidget* cell = board.numberCell(n);
        const int column = (n - 1) / 3;
        const int row = n % 3 == 0 ? 0 : (n % 3 == 2 ? 1 : 2); // top row holds 3, 6, ..., 36
        QCOMPARE(cell->geometry(), QRect(24 + 24 * column, 16 * row, 25, 19));
        QCOMPARE(static_cast<QLineEdit*>(board.numberCell(n))->text(), QString::number(n));
        QCOMPARE(Colours::backColour(cell), Roulette::colourCodeOf(n));
    }
}

void TestForm1::startUpState()
{
    const Form1 board;
    QCOMPARE(board.windowTitle(), QStringLiteral("Tambrel"));
    QVERIFY(board.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(board.windowFlags().testFlag(Qt::Tool));
    // Outer height 1780 twips less the designed frame: the advice row is hidden.
    QCOMPARE(board.height(), 95);
    QCOMPARE(board.width(), 366);
    QCOMPARE(board.pos(), QPoint(7, 225));
    QCOMPARE(Colours::backColour(&board), Colours::InactiveTitleBar);
    for (int i = 0; i < 22; ++i) {
        QCOMPARE(control<QLabel>(&board, "Label5", i)->text(), QString());
        QCOMPARE(Colours::backColour(control<QLabel>(&board, "Label5", i)), Colours::InactiveTitleBar);
    }
    QCOMPARE(control<QLabel>(&board, "Label4")->toolTip(), QStringLiteral("Nombre de tirage"));
    QCOMPARE(Colours::foreColour(control<QLabel>(&board, "Label7")), Colours::White);
    QCOMPARE(Colours::backColour(control<QLabel>(&board, "Label8")), Colours::Green);
    for (int n = 0; n <= 36; ++n) {
        QCOMPARE(board.numberCell(n)->toolTip(), QString());
        QVERIFY(board.numberCell(n)->isReadOnly());
    }
}

void TestForm1::tabOrderFollowsTheDesign()
{
    const Form1 board;
    QStringList expected;
    for (int n = 0; n <= 36; ++n) {
        expected << QStringLiteral("Text1/%1").arg(n);
    }
    expected << "Text2/"
             << "Text3/"
             << "Text4/"
             << "Text5/"
             << "Text6/"
             << "Text7/"
             << "Command1/"
             << "Command2/"
             << "ComMise/";

    QStringList actual;
    QWidget* widget = board.numberCell(0);
    for (int i = 0; i < expected.size(); ++i) {
        actual << widget->objectName() + QLatin1Char('/') + widget->property("index").toString();
        do {
            widget = widget->nextInFocusChain();
        } while (widget->focusPolicy() == Qt::NoFocus || widget == &board);
    }
    QCOMPARE(actual, expected);
}

void TestForm1::typingIntoACellDoesNothing()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    TextBox* cell = board.numberCell(12);
    cell->setFocus();
    QTest::keyClicks(cell, "345");
    QTest::keyClick(cell, Qt::Key_Backspace);
    QTest::keyClick(cell, Qt::Key_Delete);
    QCOMPARE(cell->text(), QStringLiteral("12"));
    QCOMPARE(board.model().tirage(), 0);
}

void TestForm1::clickingACellEntersItsNumber()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(board.numberCell(7), Qt::LeftButton);
    QCOMPARE(board.model().tirage(), 1);
    QCOMPARE(control<QLabel>(&board, "Label4")->text(), QStringLiteral("1"));
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), QStringLiteral("7"));
    QCOMPARE(Colours::backColour(control<QLabel>(&board, "Label5", 21)), Colours::Red);
    QCOMPARE(control<QLabel>(&board, "Label3")->text(), QStringLiteral("36"));
    QCOMPARE(board.numberCell(7)->toolTip(), QStringLiteral(" 1 Fois Sorti"));
    QCOMPARE(board.numberCell(7)->text(), QStringLiteral("7"));

    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(board.numberCell(0), Qt::LeftButton);
    QCOMPARE(control<QLabel>(&board, "Label5", 20)->text(), QStringLiteral("7"));
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), QStringLiteral("0"));
    QCOMPARE(Colours::backColour(control<QLabel>(&board, "Label5", 21)), Colours::Green);
    QCOMPARE(control<QLabel>(&board, "Label4")->text(), QStringLiteral("2"));
}

void TestForm1::keyboardEntersTheFocusedCell()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    board.numberCell(23)->setFocus();
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::keyClick(board.numberCell(23), Qt::Key_Space);
    QCOMPARE(board.model().tirage(), 1);
    QCOMPARE(control<QLabel>(&board, "Label5", 21)->text(), QStringLiteral("23"));
}

void TestForm1::answerNoChangesNothing()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    for (const int n : {3, 3, 17, 0}) {
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.Text1_Click(n));
    }
    const QStringList before = snapshot(board);
    const auto drawsBefore = board.model().draws();

    MessageBox::setNextAnswer(MessageBox::No);
    QTest::mouseClick(board.numberCell(3), Qt::LeftButton);
    QCOMPARE(snapshot(board), before);
    QCOMPARE(board.model().draws(), drawsBefore);
    QCOMPARE(board.model().tirage(), 4);
}

// The default path of the seam: a real modal box, answered by pressing its buttons.
void TestForm1::realConfirmationBox()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));

    QString title;
    QString prompt;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool noIsDefault = false;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        title = box->windowTitle();
        prompt = box->text();
        icon = box->icon();
        noIsDefault = box->defaultButton() == box->button(QMessageBox::No);
        box->button(QMessageBox::Yes)->click();
    });
    QVERIFY(board.Text1_Click(32));
    QCOMPARE(title, QStringLiteral("Votre chiffre : "));
    QCOMPARE(prompt, QStringLiteral("Vous avez choisi le Chiffre :32"));
    QCOMPARE(icon, QMessageBox::Information);
    QVERIFY(noIsDefault);
    QCOMPARE(board.model().tirage(), 1);

    // Escape answers No.
    whenModalShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QVERIFY(!board.Text1_Click(5));
    QCOMPARE(board.model().tirage(), 1);

    // Return takes the default button, which is No.
    whenModalShown<QMessageBox>([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); });
    QVERIFY(!board.Text1_Click(5));
    QCOMPARE(board.model().tirage(), 1);
    QVERIFY(!MessageBox::isOpen());
}

void TestForm1::helpButtonOpensTheBoardPage()
{
    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    QTest::mouseClick(control<QPushButton>(&board, "Command1"), Qt::LeftButton);
    QCOMPARE(opened.size(), 1);
    QVERIFY(opened.first().isLocalFile());
    QCOMPARE(QFileInfo(opened.first().toLocalFile()).fileName(), QStringLiteral("AideGenerale.html"));
    QVERIFY(QFileInfo::exists(opened.first().toLocalFile()));
}

// With the side windows up after an entry, closing the board still ends the program: they
// would otherwise keep it running without its board.
void TestForm1::closingTheBoardEndsTheProgram()
{
    QGuiApplication::setQuitOnLastWindowClosed(false); // only the board's own closing may end it
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    MessageBox::setNextAnswer(MessageBox::Yes);
    QVERIFY(board.Text1_Click(8));
    QVERIFY(board.trendWindow(EvenChance::Colour)->isVisible());

    QTimer::singleShot(0, &board, [&board] { board.close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, &board, [] { QCoreApplication::exit(99); });
    watchdog.start(5000);
    const int status = QCoreApplication::exec();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    QCOMPARE(status, 0);
    QVERIFY(!board.isVisible());
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        QVERIFY(!board.trendWindow(static_cast<EvenChance>(pair))->isVisible());
    }
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
