// SPDX-License-Identifier: GPL-3.0-or-later
// The message box seam: an answer set for the next box is used once; a real box is open while shown.
#include "platform/MessageBox.h"
#include "support/Controls.h"

#include <QMessageBox>
#include <QPushButton>

class TestMessageBox : public QObject
{
    Q_OBJECT

private slots:
    void nextAnswerIsUsedOnce()
    {
        MessageBox::setNextAnswer(MessageBox::Yes);
        QCOMPARE(MessageBox::show(nullptr, QStringLiteral("?"), 324, QStringLiteral("t")), 6);
        QVERIFY(!MessageBox::isOpen());
        int openWhileShown = 0;
        whenModalShown<QMessageBox>([&openWhileShown](QMessageBox* box) {
            openWhileShown = MessageBox::openCount();
            box->button(QMessageBox::No)->click();
        });
        QCOMPARE(MessageBox::show(nullptr, QStringLiteral("?"), 324, QStringLiteral("t")), 7);
        QCOMPARE(openWhileShown, 1);
        QVERIFY(!MessageBox::isOpen());
    }
};

QTEST_MAIN(TestMessageBox)
#include "tst_messagebox.moc"
