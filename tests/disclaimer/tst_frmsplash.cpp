// The disclaimer: its texts, and that only its two buttons end it.
#include "disclaimer/frmSplash.h"
#include "platform/Colours.h"
#include "support/Controls.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestFrmSplash : public QObject
{
    Q_OBJECT

private slots:
    void labelsReadAsDesigned_data();
    void labelsReadAsDesigned();
    void disclaimerTextLines();
    void makerNote();
    void windowHasNoTitleAndFixedSize();
    void validerAccepts();
    void annulerRejects();
    void closingTheWindowCountsAsAnnuler();
    void keysNeverCloseIt_data();
    void keysNeverCloseIt();
    void focusedButtonTakesTheKeyboard();
};

void TestFrmSplash::labelsReadAsDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("pixels");

    QTest::addRow("version") << "lblVersion"
                             << "Version 1.0.1" << QRect(398, 180, 59, 19);
    QTest::addRow("product name") << "lblProductName"
                                  << "Tambrel" << QRect(40, 104, 388, 51);
    QTest::addRow("company") << "lblCompanyProduct"
                             << "Probabilités de chance pour " << QRect(120, 32, 330, 29);
    QTest::addRow("platform") << "lblPlatform"
                              << "Plate-forme WINDOWS XP" << QRect(183, 156, 262, 24);
    QTest::addRow("warning") << "lblWarning"
                             << "Avertissement :" << QRect(8, 216, 457, 13);
}

void TestFrmSplash::labelsReadAsDesigned()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, pixels);

    const frmSplash splash;
    auto* label = control<QLabel>(&splash, name);
    QVERIFY(label);
    QCOMPARE(label->text(), text);
    // Where it was designed; a right-aligned label may only have widened to the left, so
    // that its whole text shows.
    const QRect shown = label->geometry();
    QCOMPARE(shown.top(), pixels.top());
    QCOMPARE(shown.height(), pixels.height());
    QCOMPARE(shown.right(), pixels.right());
    QVERIFY(shown.left() <= pixels.left());
    if (!label->alignment().testFlag(Qt::AlignRight)) {
        QCOMPARE(shown.left(), pixels.left());
    }
    QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= shown.width(), qPrintable(text));
}

void TestFrmSplash::disclaimerTextLines()
{
    const frmSplash splash;
    const QString text = frmSplash::storedText(control<QPlainTextEdit>(&splash, "Text1"));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[0].startsWith(QStringLiteral("Ce programme conseille, après étude")));
    QVERIFY(lines[0].endsWith(QStringLiteral("roulette ")) && !lines[0].endsWith(QStringLiteral("  ")));
    QVERIFY(lines[3].endsWith(QStringLiteral("pour ")) && !lines[3].endsWith(QStringLiteral("  ")));
    QCOMPARE(
        lines[2], QStringLiteral("Il est bien entendu, que ce programme, n’est pas un programme MAGIQUE."));
    QCOMPARE(lines[4], QStringLiteral("responsable."));
    QVERIFY(lines[5].isEmpty());
    QVERIFY(lines[6].endsWith(QStringLiteral("retourner  ")) && !lines[6].endsWith(QStringLiteral("   ")));
    QCOMPARE(lines[7], QStringLiteral("en aucun cas, contre l’auteur de ce programme."));
    QVERIFY(!text.contains(QLatin1Char('\'')));
    QCOMPARE(text.count(QChar(0x2019)), 5);
    // What the box shows is the same text, line for line.
    QCOMPARE(control<QPlainTextEdit>(&splash, "Text1")->toPlainText(), lines.join(QLatin1Char('\n')));
}

void TestFrmSplash::makerNote()
{
    const frmSplash splash;
    auto* note = control<QPlainTextEdit>(&splash, "Text2");
    const QString text = frmSplash::storedText(note);
    QVERIFY(text.startsWith(
        QStringLiteral("Réalisateur de logiciels sur les jeux de casino , \r\nconception à la demande : ")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n")));
    QVERIFY(text.contains(QLatin1Char('@')));
    QCOMPARE(Colours::foreColour(note), Colours::DarkRed);
    QCOMPARE(Colours::foreColour(control<QLabel>(&splash, "lblWarning")), Colours::Red);
}

void TestFrmSplash::windowHasNoTitleAndFixedSize()
{
    const frmSplash splash;
    QVERIFY(!splash.windowFlags().testFlag(Qt::WindowTitleHint));
    QVERIFY(!splash.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(splash.size(), QSize(488, 474));
    QCOMPARE(splash.minimumSize(), splash.maximumSize());
    QCOMPARE(control<QPushButton>(&splash, "Command1")->text(), QStringLiteral("VALIDER"));
    QCOMPARE(control<QPushButton>(&splash, "Command2")->text(), QStringLiteral("ANNULER"));
    QCOMPARE(control<QPushButton>(&splash, "Command1")->geometry(), QRect(48, 432, 161, 33));
    QCOMPARE(control<QPushButton>(&splash, "Command2")->geometry(), QRect(280, 432, 161, 33));
}

void TestFrmSplash::validerAccepts()
{
    frmSplash splash;
    QTimer::singleShot(0, &splash, [&splash] { control<QPushButton>(&splash, "Command1")->click(); });
    QCOMPARE(splash.exec(), int(QDialog::Accepted));
}

void TestFrmSplash::annulerRejects()
{
    frmSplash splash;
    QTimer::singleShot(0, &splash,
        [&splash] { QTest::mouseClick(control<QPushButton>(&splash, "Command2"), Qt::LeftButton); });
    QCOMPARE(splash.exec(), int(QDialog::Rejected));
    QVERIFY(!splash.isVisible());
}

void TestFrmSplash::closingTheWindowCountsAsAnnuler()
{
    frmSplash splash;
    QTimer::singleShot(0, &splash, [&splash] { splash.close(); });
    QCOMPARE(splash.exec(), int(QDialog::Rejected));
}

void TestFrmSplash::keysNeverCloseIt_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addRow("Escape on the window") << int(Qt::Key_Escape) << "";
    QTest::addRow("Escape on VALIDER") << int(Qt::Key_Escape) << "Command1";
    QTest::addRow("Return in the text") << int(Qt::Key_Return) << "Text1";
    QTest::addRow("Enter in the note") << int(Qt::Key_Enter) << "Text2";
    QTest::addRow("a letter") << int(Qt::Key_A) << "";
    QTest::addRow("F4") << int(Qt::Key_F4) << "";
}

void TestFrmSplash::keysNeverCloseIt()
{
    QFETCH(int, key);
    QFETCH(QString, focus);

    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QWidget* target = &splash;
    if (!focus.isEmpty()) {
        target = control<QWidget>(&splash, focus);
        target->setFocus();
    }
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(20);
    QVERIFY(splash.isVisible());
    QCOMPARE(splash.result(), 0);
}

void TestFrmSplash::focusedButtonTakesTheKeyboard()
{
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    auto* valider = control<QPushButton>(&splash, "Command1");
    valider->setFocus();
    QTest::keyClick(valider, Qt::Key_Return);
    QVERIFY(!splash.isVisible());
    QCOMPARE(splash.result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
