// The shortcuts taken for speed give what the long way gives: shared texts equal texts made
// anew, colour codes leave with their widget, a box or a button asked to repaint part of
// itself paints there the pixels its whole painting would, and a picture file is read again
// once it changes.
#include "board/Roulette.h"
#include "platform/Colours.h"
#include "platform/DecimalText.h"
#include "platform/Pictures.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPaintEvent>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTemporaryDir>
#include <QTest>
#include <climits>

class TestShortcuts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void decimalTextIsTheNumber_data();
    void decimalTextIsTheNumber();
    void attributeIsTheCharacterAtItsPosition_data();
    void attributeIsTheCharacterAtItsPosition();
    void colourCodesLeaveWithTheirWidget();
    void textBoxRepaintsPartsExactly_data();
    void textBoxRepaintsPartsExactly();
    void stackedCaptionRepaintsPartsExactly_data();
    void stackedCaptionRepaintsPartsExactly();
    void pictureFileIsReadOnceUntilItChanges();
};

namespace {

// Every region worth repainting alone: each one-pixel column and row, the edges, the whole.
QList<QRegion> partsOf(const QRect& whole)
{
    QList<QRegion> parts;
    for (int x = 0; x < whole.width(); ++x) {
        parts << QRegion(x, 0, 1, whole.height());
    }
    for (int y = 0; y < whole.height(); ++y) {
        parts << QRegion(0, y, whole.width(), 1);
    }
    parts << QRegion(0, 0, 2, whole.height()) << QRegion(whole.width() - 2, 0, 2, whole.height())
          << QRegion(QRect(0, 0, 1, whole.height())) + QRegion(QRect(whole.width() - 1, 0, 1, whole.height()))
          << QRegion(whole);
    return parts;
}

QImage render(QWidget* widget, const QRegion& part)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    // The part lands where it stands in the widget.
    widget->render(&image, part.boundingRect().topLeft(), part);
    return image;
}

// A text box painted the long way: the line edit's own painting, whatever part is asked for.
class LongWayTextBox : public TextBox
{
public:
    using TextBox::TextBox;

protected:
    void paintEvent(QPaintEvent* event) override { QLineEdit::paintEvent(event); }
};

// A stacked caption painted the long way: the button's face, then every letter, whatever part
// is asked for.
class LongWayCaptionButton : public StackedCaptionButton
{
public:
    using StackedCaptionButton::StackedCaptionButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QFontMetrics metrics(font());
        const int lineHeight = metrics.height();
        int top = (height() - lineHeight * static_cast<int>(text().size())) / 2;
        painter.setPen(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        for (const QChar letter : text()) {
            painter.drawText(QRect(0, top, width(), lineHeight), Qt::AlignCenter, QString(letter));
            top += lineHeight;
        }
    }
};

// Each part repainted alone, the short way and the long way: the same pixels in the part.
void compareWithTheLongWay(QWidget* shortWay, QWidget* longWay)
{
    QCOMPARE(shortWay->size(), longWay->size());
    for (const QRegion& part : partsOf(shortWay->rect())) {
        const QImage shortImage = render(shortWay, part);
        const QImage longImage = render(longWay, part);
        for (const QRect& rect : part) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    QVERIFY2(shortImage.pixel(x, y) == longImage.pixel(x, y),
                        qPrintable(QStringLiteral("pixel %1,%2 of part %3,%4 %5x%6 differs")
                                       .arg(x)
                                       .arg(y)
                                       .arg(rect.x())
                                       .arg(rect.y())
                                       .arg(rect.width())
                                       .arg(rect.height())));
                }
            }
        }
    }
}

} // namespace

void TestShortcuts::initTestCase()
{
    // The look the windows are drawn in: style and font of the program.
    Desktop::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance()));
}

void TestShortcuts::decimalTextIsTheNumber_data()
{
    QTest::addColumn<int>("number");
    QTest::addRow("zero") << 0;
    QTest::addRow("one digit") << 7;
    QTest::addRow("last shared") << 999;
    QTest::addRow("first written anew") << 1000;
    QTest::addRow("long game") << 100000;
    QTest::addRow("negative") << -1;
    QTest::addRow("largest") << INT_MAX;
    QTest::addRow("smallest") << INT_MIN;
}

void TestShortcuts::decimalTextIsTheNumber()
{
    QFETCH(int, number);
    QCOMPARE(DecimalText::of(number), QString::number(number));
    // Asked again, the same text.
    QCOMPARE(DecimalText::of(number), QString::number(number));
}

void TestShortcuts::attributeIsTheCharacterAtItsPosition_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("position");
    QTest::addRow("first of a code") << QStringLiteral("-I11") << 1;
    QTest::addRow("last of a code") << QStringLiteral("+P33") << 4;
    QTest::addRow("past the end") << QStringLiteral("-I11") << 5;
    QTest::addRow("far past the end") << QStringLiteral("-I11") << 9;
    QTest::addRow("position zero") << QStringLiteral("-I11") << 0;
    QTest::addRow("zero's empty code") << QString() << 1;
    QTest::addRow("empty, not null") << QStringLiteral("") << 1;
    QTest::addRow("beyond ASCII") << QStringLiteral("é€1") << 2;
    QTest::addRow("control character") << QStringLiteral("\t") << 1;
}

void TestShortcuts::attributeIsTheCharacterAtItsPosition()
{
    QFETCH(QString, code);
    QFETCH(int, position);
    const QString expected = code.mid(position - 1, 1);
    const QString attribute = Roulette::attribute(code, position);
    QCOMPARE(attribute, expected);
    QCOMPARE(attribute.isNull(), expected.isNull());
}

// A widget made where a deleted one stood starts with no colour code of its own.
void TestShortcuts::colourCodesLeaveWithTheirWidget()
{
    for (int round = 0; round < 20; ++round) {
        auto* label = new QLabel;
        QCOMPARE(Colours::backColour(label), Colours::ButtonFace);
        QCOMPARE(Colours::foreColour(label), Colours::WindowText);
        Colours::setBackColour(label, Colours::Red);
        Colours::setForeColour(label, Colours::Yellow);
        QCOMPARE(Colours::backColour(label), Colours::Red);
        QCOMPARE(Colours::foreColour(label), Colours::Yellow);
        QCOMPARE(label->palette().color(QPalette::Window), Colours::toQColor(Colours::Red));
        delete label;
    }
}

void TestShortcuts::textBoxRepaintsPartsExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<ColourCode>("back");
    QTest::addRow("trend mark") << QStringLiteral("+") << 17 << 19 << true << Colours::InactiveTitleBar;
    QTest::addRow("empty mark") << QString() << 17 << 19 << true << Colours::InactiveTitleBar;
    QTest::addRow("board cell") << QStringLiteral("36") << 25 << 19 << false << Colours::Red;
    QTest::addRow("dozen box") << QStringLiteral("1 ère 12") << 97 << 19 << false << Colours::Yellow;
}

// A text box is drawn from a picture of its look: every part repainted alone shows exactly
// what the whole box shows, and the whole box looks like the line edit's own painting — the
// same frame and colours, the text where the line edit puts it to within a pixel.
void TestShortcuts::textBoxRepaintsPartsExactly()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, bold);
    QFETCH(ColourCode, back);

    QWidget window;
    Colours::setBackColour(&window, Colours::ButtonFace);
    auto* shortWay = new TextBox(&window);
    auto* longWay = new LongWayTextBox(&window);
    for (TextBox* box : {shortWay, static_cast<TextBox*>(longWay)}) {
        box->setGeometry(0, 0, width, height);
        box->setAlignment(Qt::AlignCenter);
        QFont font = box->font();
        font.setBold(bold);
        box->setFont(font);
        box->setText(text);
        Colours::setBackColour(box, back);
    }

    const QImage whole = render(shortWay, QRegion(shortWay->rect()));
    for (const QRegion& part : partsOf(shortWay->rect())) {
        const QImage image = render(shortWay, part);
        for (const QRect& rect : part) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    QVERIFY2(image.pixel(x, y) == whole.pixel(x, y),
                        qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
                }
            }
        }
    }

    const QImage lineEdit = render(longWay, QRegion(longWay->rect()));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool matched = false;
            for (int shift = -1; shift <= 1 && !matched; ++shift) {
                const int from = qBound(0, x + shift, width - 1);
                const QRgb a = whole.pixel(x, y);
                const QRgb b = lineEdit.pixel(from, y);
                matched = qAbs(qRed(a) - qRed(b)) <= 48 && qAbs(qGreen(a) - qGreen(b)) <= 48
                    && qAbs(qBlue(a) - qBlue(b)) <= 48;
            }
            QVERIFY2(matched, qPrintable(QStringLiteral("pixel %1,%2 is not the line edit's").arg(x).arg(y)));
        }
    }
}

void TestShortcuts::stackedCaptionRepaintsPartsExactly_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addRow("board's simulator button") << QStringLiteral("SIMULER") << 17 << 97;
    QTest::addRow("letters that reach out") << QStringLiteral("Wgjq|ÉÇ") << 17 << 97;
    QTest::addRow("taller than the button") << QStringLiteral("ABCDEFGHIJ") << 17 << 60;
}

void TestShortcuts::stackedCaptionRepaintsPartsExactly()
{
    QFETCH(QString, caption);
    QFETCH(int, width);
    QFETCH(int, height);

    QWidget window;
    auto* shortWay = new StackedCaptionButton(caption, &window);
    auto* longWay = new LongWayCaptionButton(caption, &window);
    shortWay->setGeometry(0, 0, width, height);
    longWay->setGeometry(0, 0, width, height);
    compareWithTheLongWay(shortWay, longWay);
}

void TestShortcuts::pictureFileIsReadOnceUntilItChanges()
{
    const QString startDirectory = QDir::currentPath();
    const QString shipped = QDir(startDirectory).absoluteFilePath(QStringLiteral("ampoule.ico"));
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const QString copy = folder.filePath(QStringLiteral("copie.ico"));
    QVERIFY(QFile::copy(shipped, copy));

    const QIcon first = Pictures::load(QStringLiteral("copie.ico"));
    QVERIFY(!first.isNull());
    QCOMPARE(Pictures::load(QStringLiteral("copie.ico")).cacheKey(), first.cacheKey());

    // Changed on disk: read again, and now it is no picture at all.
    QFile file(copy);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("no longer an icon");
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    QVERIFY(Pictures::load(QStringLiteral("copie.ico")).isNull());

    QDir::setCurrent(startDirectory);
}

QTEST_MAIN(TestShortcuts)
#include "tst_shortcuts.moc"
