// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a screen at 200 % (QT_SCALE_FACTOR=2): each text fits the room its control
// leaves it.
#include "board/Form1.h"
#include "disclaimer/frmSplash.h"
#include "dozens/Form5.h"
#include "platform/Pictures.h"
#include "platform/Widgets.h"
#include "simulation/Form7.h"
#include "stakes/FrMise.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

namespace {

// The room a control leaves its text, and the room the text takes, in logical pixels.
struct Room
{
    QSize available;
    QSize taken;
};

std::optional<Room> textRoom(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget); label && !label->text().isEmpty()) {
        const QRect area = label->contentsRect().marginsRemoved(QMargins() + label->margin());
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return Room{area.size(), metrics.boundingRect(area, flags, label->text()).size()};
    }
    // The simulator's caption stands one letter under the other, drawn by the button itself.
    auto* button = qobject_cast<QPushButton*>(widget);
    if (button && !button->text().isEmpty() && !qobject_cast<StackedCaptionButton*>(button)) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return Room{area.size(), metrics.size(Qt::TextShowMnemonic, button->text())};
    }
    // A line edit keeps two pixels clear either side. A mark may be designed wider than its
    // cell, which then scrolls it: what must stay whole is its ink.
    if (auto* box = qobject_cast<QLineEdit*>(widget); box && !box->text().isEmpty()) {
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QRect area = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        return Room{area.size() - QSize(4, 0), metrics.tightBoundingRect(box->text()).size()};
    }
    return std::nullopt;
}

} // namespace

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void textsAreWhole();
};

void TestHighDensity::textsAreWhole()
{
    dropOffscreenWindowWarnings();
    QApplication* application = qApp;
    Desktop::setUp(*application);
    QCOMPARE(qApp->devicePixelRatio(), 2.0);

    frmSplash disclaimer;
    Form1 board;
    board.show();
    // Numbers of two digits in every history, and each side window open.
    for (int number : {36, 1, 35, 2, 34, 3, 33, 4, 32, 5, 31, 6}) {
        QVERIFY(enterConfirmed(board, number));
    }
    board.Command2_Click();
    board.ComMise_Click();
    QList<QWidget*> windows{&disclaimer, &board, board.form5(), board.simulator(), board.stakeCalculator()};
    for (EvenChance pair : {EvenChance::Colour, EvenChance::PasseManque, EvenChance::PairImpair}) {
        windows << board.trendWindow(pair);
    }

    QStringList cut;
    int measured = 0;
    for (QWidget* window : windows) {
        window->show();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const std::optional<Room> room = textRoom(widget);
            if (widget->window() != window || !widget->isVisibleTo(window) || !room) {
                continue;
            }
            ++measured;
            if (room->taken.boundedTo(room->available) != room->taken) {
                cut << QStringLiteral("%1 %2 %3(%4): %5x%6 in %7x%8")
                           .arg(window->objectName(), widget->metaObject()->className(), widget->objectName())
                           .arg(widget->property("index").toInt())
                           .arg(room->taken.width())
                           .arg(room->taken.height())
                           .arg(room->available.width())
                           .arg(room->available.height());
            }
        }
        for (auto* text : window->findChildren<QPlainTextEdit*>()) {
            if (text->verticalScrollBar()->maximum() > 0) {
                cut << text->objectName() + QStringLiteral(" scrolls");
            }
        }
    }
    QVERIFY(measured > 100);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

QTEST_MAIN(TestHighDensity)
#include "tst_highdensity.moc"
