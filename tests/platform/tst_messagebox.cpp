// The message box seam: the style value picks buttons, icon and default; answers are codes.
#include "platform/MessageBox.h"
#include "support/Controls.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void nextAnswerIsUsedOnce();
    void styleDecides_data();
    void styleDecides();
    void answersAreButtonCodes_data();
    void answersAreButtonCodes();
};

void TestMessageBox::nextAnswerIsUsedOnce()
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    QCOMPARE(MessageBox::show(nullptr, QStringLiteral("?"), 324, QStringLiteral("t")), 6);
    // The second call shows a real box again.
    whenModalShown<QMessageBox>([](QMessageBox* box) { box->button(QMessageBox::No)->click(); });
    QCOMPARE(MessageBox::show(nullptr, QStringLiteral("?"), 324, QStringLiteral("t")), 7);
}

void TestMessageBox::styleDecides_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("yesNo");
    QTest::addColumn<bool>("secondIsDefault");
    QTest::addRow("324: yes/no, information, No default")
        << 324 << int(QMessageBox::Information) << true << true;
    QTest::addRow("68: yes/no, information, Yes default")
        << 68 << int(QMessageBox::Information) << true << false;
    QTest::addRow("48: OK, exclamation") << 48 << int(QMessageBox::Warning) << false << false;
}

void TestMessageBox::styleDecides()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(bool, yesNo);
    QFETCH(bool, secondIsDefault);

    int shownIcon = -1;
    bool hasYesNo = false;
    bool defaultIsSecond = false;
    bool openWhileShown = false;
    whenModalShown<QMessageBox>([&](QMessageBox* box) {
        shownIcon = box->icon();
        hasYesNo = box->button(QMessageBox::Yes) && box->button(QMessageBox::No);
        defaultIsSecond = hasYesNo && box->defaultButton() == box->button(QMessageBox::No);
        openWhileShown = MessageBox::isOpen();
        box->buttons().first()->click();
    });
    MessageBox::show(nullptr, QStringLiteral("prompt"), style, QStringLiteral("title"));
    QCOMPARE(shownIcon, icon);
    QCOMPARE(hasYesNo, yesNo);
    QCOMPARE(defaultIsSecond, secondIsDefault);
    QVERIFY(openWhileShown);
    QVERIFY(!MessageBox::isOpen());
}

void TestMessageBox::answersAreButtonCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::addRow("Yes by its shortcut") << int(Qt::Key_Y) << 6;
    QTest::addRow("Escape is No") << int(Qt::Key_Escape) << 7;
    QTest::addRow("Return takes the default, No") << int(Qt::Key_Return) << 7;
}

void TestMessageBox::answersAreButtonCodes()
{
    QFETCH(int, key);
    QFETCH(int, answer);
    whenModalShown<QMessageBox>([key](QMessageBox* box) {
        if (key == Qt::Key_Y) {
            box->button(QMessageBox::Yes)->click();
        } else {
            QTest::keyClick(box, Qt::Key(key));
        }
    });
    QCOMPARE(MessageBox::show(nullptr, QStringLiteral("prompt"), 324, QStringLiteral("title")), answer);
}

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
