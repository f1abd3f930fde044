// SPDX-License-Identifier: GPL-3.0-or-later
// Every window on a high-density screen (run with QT_SCALE_FACTOR set): no text cut by its
// control, and no picture enlarged from a smaller image.
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

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

class TestHighDensity : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void textsAreWhole_data();
    void textsAreWhole();
    void picturesAreSharp_data() { textsAreWhole_data(); }
    void picturesAreSharp();

private:
    Form1* m_board = nullptr;
    frmSplash* m_disclaimer = nullptr;
};

namespace {

// The room a control leaves its text, and the room that text needs, in logical pixels.
struct TextRoom
{
    QString text;
    QSize available;
    QSize needed;
};

QSize stackedSize(const QFontMetrics& metrics, const QString& caption)
{
    int width = 0;
    for (const QChar letter : caption) {
        width = qMax(width, metrics.horizontalAdvance(letter));
    }
    return {width, metrics.height() * static_cast<int>(caption.size())};
}

std::optional<TextRoom> textRoom(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect area = label->contentsRect().adjusted(
            label->margin(), label->margin(), -label->margin(), -label->margin());
        const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return TextRoom{label->text(), area.size(), metrics.boundingRect(area, flags, label->text()).size()};
    }
    if (auto* stacked = qobject_cast<StackedCaptionButton*>(widget)) {
        return TextRoom{stacked->text(), stacked->size(), stackedSize(metrics, stacked->text())};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents = qobject_cast<QRadioButton*>(button)
            ? QStyle::SE_RadioButtonContents
            : qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                               : QStyle::SE_PushButtonContents;
        QSize needed = metrics.size(Qt::TextShowMnemonic, button->text());
        if (!button->icon().isNull() && qobject_cast<QPushButton*>(button)) {
            needed.rwidth() += button->iconSize().width() + 4;
        }
        return TextRoom{
            button->text(), button->style()->subElementRect(contents, &option, button).size(), needed};
    }
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        // A line edit keeps two pixels clear on either side of its text. A mark may be designed
        // wider than its cell, and the box then scrolls it: what must stay whole is its ink.
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QMargins margins = box->textMargins() + QMargins(2, 0, 2, 0);
        const QRect area
            = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).marginsRemoved(margins);
        return TextRoom{box->text(), area.size(), metrics.tightBoundingRect(box->text()).size()};
    }
    return std::nullopt;
}

QList<QWidget*> shownControls(const QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window && widget->isVisibleTo(window)) {
            controls.append(widget);
        }
    }
    return controls;
}

QString describe(const QWidget* widget)
{
    const QVariant index = widget->property("index");
    return widget->objectName() + (index.isValid() ? QStringLiteral("(%1)").arg(index.toInt()) : QString());
}

} // namespace

void TestHighDensity::initTestCase()
{
    dropOffscreenWindowWarnings();
    QApplication* application = qApp;
    Desktop::setUp(*application);
    QVERIFY2(qApp->devicePixelRatio() > 1.0, "run with QT_SCALE_FACTOR above 1");

    m_disclaimer = new frmSplash;
    m_disclaimer->show();
    m_board = new Form1;
    m_board->show();
    // Entries that show every side window with numbers of two digits in its history.
    for (int number : {36, 1, 35, 2, 34, 3, 33, 4, 32, 5, 31, 6}) {
        QVERIFY(enterConfirmed(*m_board, number));
    }
    for (EvenChance pair : {EvenChance::Colour, EvenChance::PasseManque, EvenChance::PairImpair}) {
        m_board->trendWindow(pair)->show();
    }
    m_board->Command2_Click();
    m_board->ComMise_Click();
    QVERIFY(m_board->form5() && m_board->simulator() && m_board->stakeCalculator());
}

void TestHighDensity::cleanupTestCase()
{
    delete m_board;
    delete m_disclaimer;
}

void TestHighDensity::textsAreWhole_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"frmSplash", "Form1", "Form2", "Form3", "Form4", "Form5", "Form7", "FrMise"}) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

namespace {

QWidget* windowNamed(const QString& name, QWidget* board, QWidget* disclaimer)
{
    for (QWidget* window : {disclaimer, board}) {
        if (window->objectName() == name) {
            return window;
        }
    }
    for (QWidget* window : board->findChildren<QWidget*>(name)) {
        if (window->isWindow()) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

void TestHighDensity::textsAreWhole()
{
    QFETCH(QString, name);
    QWidget* window = windowNamed(name, m_board, m_disclaimer);
    QVERIFY2(window, qPrintable(name));
    QStringList cut;
    int measured = 0;
    for (QWidget* widget : shownControls(window)) {
        const std::optional<TextRoom> room = textRoom(widget);
        if (room && !room->text.isEmpty()) {
            ++measured;
            if (room->needed.width() > room->available.width()
                || room->needed.height() > room->available.height()) {
                cut << QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
                           .arg(describe(widget), room->text)
                           .arg(room->needed.width())
                           .arg(room->needed.height())
                           .arg(room->available.width())
                           .arg(room->available.height());
            }
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(widget);
            text && text->verticalScrollBar()->maximum() > 0) {
            cut << describe(widget) + QStringLiteral(" scrolls");
        }
    }
    QVERIFY(measured > 0);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

// A picture drawn larger than its largest image is blurred: every icon and picture must have
// an image at least as large as the screen pixels it covers.
void TestHighDensity::picturesAreSharp()
{
    QFETCH(QString, name);
    QWidget* window = windowNamed(name, m_board, m_disclaimer);
    QVERIFY2(window, qPrintable(name));
    const qreal ratio = window->devicePixelRatioF();
    QCOMPARE(ratio, qApp->devicePixelRatio());
    QStringList blurred;
    for (QWidget* widget : shownControls(window)) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget); button && !button->icon().isNull()) {
            const QSize shown = button->iconSize() * ratio;
            const QList<QSize> sizes = button->icon().availableSizes();
            if (std::none_of(sizes.begin(), sizes.end(), [shown](const QSize& size) {
                    return size.width() >= shown.width() && size.height() >= shown.height();
                })) {
                blurred << describe(widget);
            }
        }
        if (auto* label = qobject_cast<QLabel*>(widget); label && !label->pixmap().isNull()) {
            if (label->pixmap().devicePixelRatio() < ratio) {
                blurred << describe(widget);
            }
        }
    }
    QVERIFY2(blurred.isEmpty(), qPrintable(blurred.join(QLatin1Char(' '))));
}

QTEST_MAIN(TestHighDensity)
#include "tst_highdensity.moc"
