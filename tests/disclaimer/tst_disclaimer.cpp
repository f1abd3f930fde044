// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer: VALIDER accepts, ANNULER or the window's close cancel; no key closes it,
// but the focused button takes the keyboard.
#include "disclaimer/DisclaimerDialog.h"
#include "support/Controls.h"

#include <QPushButton>
#include <QTest>

class TestDisclaimer : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("focus"); // the widget that takes the action
        QTest::addColumn<int>("key"); // 0: a click on it; -1: the window closed
        QTest::addColumn<int>("result"); // -1: it stays open
        QTest::addRow("VALIDER") << "acceptButton" << 0 << int(QDialog::Accepted);
        QTest::addRow("ANNULER") << "cancelButton" << 0 << int(QDialog::Rejected);
        QTest::addRow("the window closed") << "" << -1 << int(QDialog::Rejected);
        QTest::addRow("Escape on VALIDER") << "acceptButton" << int(Qt::Key_Escape) << -1;
        QTest::addRow("Return in the text") << "disclaimerText" << int(Qt::Key_Return) << -1;
        QTest::addRow("Return on VALIDER") << "acceptButton" << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("Space on ANNULER") << "cancelButton" << int(Qt::Key_Space) << int(QDialog::Rejected);
    }

    // A real modal run, as the program starts it; still open after the action, it is ended
    // with a code of its own.
    void answers()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, result);
        DisclaimerDialog splash;
        QTimer::singleShot(0, &splash, [&] {
            QWidget* target = focus.isEmpty() ? &splash : control<QWidget>(&splash, focus);
            target->setFocus();
            if (key < 0) {
                splash.close();
            } else if (key == 0) {
                QTest::mouseClick(target, Qt::LeftButton);
            } else {
                QTest::keyClick(target, Qt::Key(key));
            }
            if (splash.isVisible()) {
                splash.done(42);
            }
        });
        QCOMPARE(splash.exec(), result < 0 ? 42 : result);
    }
};

QTEST_MAIN(TestDisclaimer)
#include "tst_disclaimer.moc"
