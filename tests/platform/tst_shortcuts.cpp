// SPDX-License-Identifier: GPL-3.0-or-later
// The shortcuts taken for speed give what the long way gives: colour codes that leave with
// their widget, boxes and buttons drawn from a kept picture, pictures read once.
#include "platform/Colours.h"
#include "platform/Pictures.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A text box painted the long way: the line edit's own painting.
class LongWayTextBox : public TextBox
{
public:
    using TextBox::TextBox;

protected:
    void paintEvent(QPaintEvent* event) override { QLineEdit::paintEvent(event); }
};

// The part painted where it stands in the widget, on magenta.
QImage render(QWidget* widget, const QRegion& part)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    widget->render(&image, part.boundingRect().topLeft(), part);
    return image;
}

} // namespace

class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    // The look the windows are drawn in: style and font of the program.
    void initTestCase() { Desktop::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

    // A widget made where a deleted one stood starts without the colour code it had.
    void colourCodesLeaveWithTheirWidget()
    {
        for (int round = 0; round < 20; ++round) {
            const auto label = std::make_unique<QLabel>();
            QCOMPARE(Colours::backColour(label.get()), Colours::ButtonFace);
            Colours::setBackColour(label.get(), Colours::InactiveTitleBar);
            QCOMPARE(Colours::backColour(label.get()), Colours::InactiveTitleBar);
        }
    }

    void partsRepaintAsTheWhole_data()
    {
        QTest::addColumn<QString>("text"); // a stacked caption when it starts with "|"
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<ColourCode>("back");
        QTest::addRow("trend mark") << "+" << QSize(17, 19) << true << Colours::InactiveTitleBar;
        QTest::addRow("empty mark") << "" << QSize(17, 19) << true << Colours::InactiveTitleBar;
        QTest::addRow("board cell") << "36" << QSize(25, 19) << false << Colours::Red;
        QTest::addRow("dozen box") << "1 ère 12" << QSize(97, 19) << false << Colours::Yellow;
        QTest::addRow("SIMULER") << "|SIMULER" << QSize(17, 97) << false << Colours::ButtonFace;
        QTest::addRow("letters out") << "|Wgjq|ÉÇ" << QSize(17, 97) << false << Colours::ButtonFace;
        QTest::addRow("too tall") << "|ABCDEFGHIJ" << QSize(17, 60) << false << Colours::ButtonFace;
    }

    // Every one-pixel column and row, repainted alone, shows exactly what the whole shows. A
    // text box looks like the line edit's own painting: the same frame and colours, the text
    // where the line edit puts it to within a pixel.
    void partsRepaintAsTheWhole()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, bold);
        QFETCH(ColourCode, back);
        QWidget window;
        Colours::setBackColour(&window, Colours::ButtonFace);
        QWidget* shortWay = nullptr;
        LongWayTextBox* longWay = nullptr;
        if (text.startsWith(QLatin1Char('|'))) {
            shortWay = new StackedCaptionButton(text.mid(1), &window);
        } else {
            longWay = new LongWayTextBox(&window);
            for (auto* box : {new TextBox(&window), static_cast<TextBox*>(longWay)}) {
                box->setAlignment(Qt::AlignCenter);
                QFont font = box->font();
                font.setBold(bold);
                box->setFont(font);
                box->setText(text);
                Colours::setBackColour(box, back);
                box->setGeometry(QRect(QPoint(0, 0), size));
                shortWay = shortWay ? shortWay : box;
            }
        }
        shortWay->setGeometry(QRect(QPoint(0, 0), size));
        const QImage whole = render(shortWay, shortWay->rect());
        for (int i = 0; i < size.width() + size.height(); ++i) {
            const QRect part = i < size.width() ? QRect(i, 0, 1, size.height())
                                                : QRect(0, i - size.width(), size.width(), 1);
            QVERIFY2(render(shortWay, part).copy(part) == whole.copy(part), qPrintable(QString::number(i)));
        }
        if (!longWay) {
            return;
        }
        const QImage lineEdit = render(longWay, longWay->rect());
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                int nearest = 255;
                for (int shift = -1; shift <= 1; ++shift) {
                    const QColor a = whole.pixelColor(x, y);
                    const QColor b = lineEdit.pixelColor(qBound(0, x + shift, size.width() - 1), y);
                    nearest = std::min(nearest,
                        std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                            qAbs(a.blue() - b.blue())}));
                }
                QVERIFY2(nearest <= 48, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }

    // Every built-in picture is there, read once and shared; an unknown name gives none.
    void picturesAreReadOnce()
    {
        for (const char* name : {"tambrel.ico", "ampoule.ico", "flecheB.ico", "flecheH.ico"}) {
            const QIcon first = Pictures::load(QString::fromLatin1(name));
            QVERIFY2(!first.isNull(), name);
            QCOMPARE(Pictures::load(QString::fromLatin1(name)).cacheKey(), first.cacheKey());
        }
        QVERIFY(Pictures::load(QStringLiteral("absent.ico")).isNull());
    }
};

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
