// SPDX-License-Identifier: GPL-3.0-or-later
// What every player reads: each control of each window named for screen readers, Escape
// closing the tool windows, and every caption whole however long the game (also at scale 2).
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "games/ImportWindow.h"
#include "games/NumberListWindow.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

// The shown controls under `node` that tell a screen reader nothing, frames aside.
QStringList unnamed(QAccessibleInterface* node)
{
    static const QList<QAccessible::Role> frames{QAccessible::Client, QAccessible::Pane,
        QAccessible::Grouping, QAccessible::Border, QAccessible::Window, QAccessible::Dialog,
        QAccessible::ScrollBar};
    QStringList found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child->state().invisible && !frames.contains(child->role())
            && child->text(QAccessible::Name).trimmed().isEmpty()) {
            found << (child->object() ? child->object() : node->object())->objectName();
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
    void initTestCase()
    {
        Desktop::setUp(*qApp); // the program's own font, which the captions are measured in
        dropOffscreenWindowWarnings();
    }

    void everyControlIsNamed()
    {
        DisclaimerDialog disclaimer;
        BoardWindow board;
        for (const int number : {17, 17, 17, 17, 0}) {
            enterConfirmed(board, number);
        }
        board.openSimulator();
        QTest::mouseClick(control<QPushButton>(board.simulator(), "startButton"), Qt::LeftButton);
        board.openStakeCalculator();
        board.openStatistics();
        board.openAdviceAccount();
        // The disclaimer, the board, and every window the board has opened.
        DrawImport::Reading reading;
        reading.status = DrawImport::Reading::Status::Read;
        reading.list.numbers = {17, 0, 36};
        reading.list.numberCount = 3;
        reading.list.mistakes.append({QStringLiteral("37"), 3, 1, 3});
        reading.list.mistakeCount = reading.list.linesWithMistakes = 1;
        QList<QWidget*> windows{&disclaimer, &board, new NumberListWindow(&board),
            new ImportWindow(QStringLiteral("/tmp/spins.txt"), reading, &board)};
        for (QWidget* window : board.findChildren<QWidget*>()) {
            windows << (window->isWindow() && window->isVisible() ? QList<QWidget*>{window}
                                                                  : QList<QWidget*>{});
        }
        for (QWidget* window : windows) {
            window->show();
            const QStringList missing = unnamed(QAccessible::queryAccessibleInterface(window));
            QVERIFY2(missing.isEmpty(), qPrintable(window->objectName() + u' ' + missing.join(u' ')));
        }
        for (QWidget* window : windows.mid(2)) { // Escape closes all but the disclaimer and the board
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window);
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    // Every number in turn, zero every other turn: the level rises every 74 draws, zero alone
    // at it. 1, 1, 20, 20… after a run and an alternation of six: every counter counts on. In
    // French and in English, with the disclaimer's captions too.
    void captionsReadWhole_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("everyNumber");
        QTest::addColumn<int>("draws");
        for (const bool english : {false, true}) {
            for (const bool everyNumber : {true, false}) {
                for (int draws = 2; draws <= 2'000'000; draws *= 10) {
                    QTest::addRow("%s, %s, %d draws", english ? "English" : "French",
                        everyNumber ? "every number" : "no long run", draws)
                        << english << everyNumber << draws;
                }
            }
        }
    }

    void captionsReadWhole()
    {
        QFETCH(bool, english);
        QFETCH(bool, everyNumber);
        QFETCH(int, draws);
        Language::install(*qApp, english ? Language::Choice::English : Language::Choice::French);
        static BoardWindow* boards[2][2] = {}; // made with the font set, in their language
        BoardWindow*& made = boards[english][everyNumber];
        if (!made) {
            made = new BoardWindow;
        }
        BoardWindow& board = *made;
        const DisclaimerDialog disclaimer;
        QVector<int> numbers;
        for (int draw = board.table().drawCount(); draw < draws; ++draw) {
            numbers << (everyNumber ? (draw % 74 == 0 ? 1 : draw % 37)
                    : draw < 6 || (draw < 13 && draw % 2) || (draw >= 13 && draw % 4 < 2) ? 1
                                                                                          : 20);
        }
        board.enterNumbers(numbers);
        // The board's and its windows', and the disclaimer's.
        for (const QLabel* label : board.findChildren<QLabel*>() + disclaimer.findChildren<QLabel*>()) {
            // No free space is left beside these two for a seventh digit.
            const bool roomless = label->text().size() >= 7
                && (label->objectName() == QLatin1String("drawCountLabel")
                    || (label->objectName() == QLatin1String("counter")
                        && label->property("index").toInt() % 2));
            QVERIFY2(roomless || !label->isVisibleTo(label->window())
                    || label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                qPrintable(
                    label->window()->objectName() + u' ' + label->objectName() + u' ' + label->text()));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
