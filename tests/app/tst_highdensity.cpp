// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a screen at 200 % (QT_SCALE_FACTOR=2): each text of a label, a button or a
// text box fits the room its control leaves it.
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "dozens/DozensWindow.h"
#include "platform/Pictures.h"
#include "platform/Widgets.h"
#include "simulation/SimulatorWindow.h"
#include "stakes/StakeCalculatorWindow.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"
#include "trends/TrendWindow.h"

#include <QLabel>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

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
    DisclaimerDialog disclaimer;
    BoardWindow board;
    board.show();
    for (int number : {36, 1, 35, 2, 34, 3, 33, 4, 32, 5, 31, 6}) { // two digits in every history
        QVERIFY(enterConfirmed(board, number));
    }
    board.openSimulator();
    board.openStakeCalculator();
    const QList<QWidget*> windows{&disclaimer, &board, board.trendWindow(EvenChance::Colour),
        board.trendWindow(EvenChance::PasseManque), board.trendWindow(EvenChance::PairImpair),
        board.dozensWindow(), board.simulator(), board.stakeCalculator()};

    QStringList cut;
    for (QWidget* window : windows) {
        window->show();
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QFontMetrics metrics = widget->fontMetrics();
            QSize room;
            QSize taken;
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                const QRect area = label->contentsRect().marginsRemoved(QMargins() + label->margin());
                const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
                room = area.size();
                taken = metrics.boundingRect(area, static_cast<int>(label->alignment()) | wrap, label->text())
                            .size();
            } else if (auto* button = qobject_cast<QPushButton*>(widget); button
                       && !qobject_cast<StackedCaptionButton*>(button)) { // drawn one letter under the other
                QStyleOptionButton option;
                option.initFrom(button);
                room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).size();
                taken = metrics.size(Qt::TextShowMnemonic, button->text());
            } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
                // Two pixels clear either side. A mark designed wider than its cell is scrolled:
                // its ink must stay whole.
                QStyleOptionFrame option;
                option.initFrom(box);
                option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
                room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).size()
                    - QSize(4, 0);
                taken = metrics.tightBoundingRect(box->text()).size();
            }
            if (widget->window() == window && widget->isVisibleTo(window) && taken.boundedTo(room) != taken) {
                cut << QStringLiteral("%1 %2(%3)")
                           .arg(window->objectName(), widget->objectName(),
                               widget->property("index").toString());
            }
        }
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestHighDensity)
#include "tst_highdensity.moc"
