// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader meets: every control of every window that the player can use or that
// shows something has a name, in every state the window can be in.
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "dozens/DozensWindow.h"
#include "games/NumberListWindow.h"
#include "simulation/SimulatorWindow.h"
#include "stakes/StakeCalculatorWindow.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QAccessible>
#include <QPushButton>
#include <QTest>

namespace {

// The unnamed controls under `node`, by object name.
QStringList unnamed(QAccessibleInterface* node)
{
    static const QList<QAccessible::Role> silent{QAccessible::Client, QAccessible::Pane,
        QAccessible::Grouping, QAccessible::Border, QAccessible::Window, QAccessible::Dialog,
        QAccessible::ScrollBar, QAccessible::Separator};
    QStringList found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child || child->state().invisible) {
            continue;
        }
        if (!silent.contains(child->role()) && child->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = child->object() ? child->object() : node->object();
            found << object->objectName() + QLatin1Char('/') + object->property("index").toString()
                    + QLatin1Char('/') + QString::number(child->role(), 16);
        }
        found << unnamed(child);
    }
    return found;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void cleanup() { MessageBox::clearNextAnswer(); }

    void everyControlIsNamed()
    {
        DisclaimerDialog disclaimer;
        BoardWindow board;
        board.show();
        QList<QWidget*> windows{&disclaimer, &board};
        for (const int number : {17, 17, 17, 17, 0}) {
            enterConfirmed(board, number);
        }
        for (int pair = 0; pair < EvenChanceCount; ++pair) {
            windows << board.trendWindow(static_cast<EvenChance>(pair));
        }
        board.openSimulator();
        QTest::mouseClick(control<QPushButton>(board.simulator(), "startButton"), Qt::LeftButton);
        board.openStakeCalculator();
        board.openStatistics();
        windows << board.dozensWindow() << board.simulator() << board.stakeCalculator()
                << board.statisticsWindow() << new NumberListWindow(&board);
        QStringList missing;
        for (QWidget* window : windows) {
            window->show();
            const QStringList unnamedHere = unnamed(QAccessible::queryAccessibleInterface(window));
            missing << (unnamedHere.isEmpty()
                    ? QString()
                    : window->objectName() + QStringLiteral(": ") + unnamedHere.join(u' '));
        }
        missing.removeAll(QString());
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
        // Escape closes every window but the disclaimer and the board.
        for (QWidget* window : windows.mid(2)) {
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window);
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
