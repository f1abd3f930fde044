// SPDX-License-Identifier: GPL-3.0-or-later
// The disclaimer: VALIDER accepts, ANNULER or the window's close cancel; no key closes it,
// but the focused button takes the keyboard.
#include "disclaimer/frmSplash.h"
#include "support/Controls.h"

#include <QPushButton>
#include <QTest>

class TestFrmSplash : public QObject
{
    Q_OBJECT

private slots:
    void answers_data()
    {
        QTest::addColumn<QString>("focus"); // the widget that takes the action
        QTest::addColumn<int>("key"); // 0: a click on it; -1: the window closed
        QTest::addColumn<int>("result"); // -1: it stays open
        QTest::addRow("VALIDER") << "Command1" << 0 << int(QDialog::Accepted);
        QTest::addRow("ANNULER") << "Command2" << 0 << int(QDialog::Rejected);
        QTest::addRow("the window closed") << "" << -1 << int(QDialog::Rejected);
        QTest::addRow("Escape on the window") << "" << int(Qt::Key_Escape) << -1;
        QTest::addRow("Escape on VALIDER") << "Command1" << int(Qt::Key_Escape) << -1;
        QTest::addRow("Return in the text") << "Text1" << int(Qt::Key_Return) << -1;
        QTest::addRow("Return on VALIDER") << "Command1" << int(Qt::Key_Return) << int(QDialog::Accepted);
        QTest::addRow("Space on ANNULER") << "Command2" << int(Qt::Key_Space) << int(QDialog::Rejected);
    }

    // A real modal run, as the program starts it; still open after the action, it is ended
    // with a code of its own.
    void answers()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, result);
        frmSplash splash;
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

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
