// Reading a typed text as a number and writing a number for the player.
#include "platform/NumberText.h"

#include <QRegularExpression>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void writesWithTheUserLocale();
    void readingSurvivesAnyText();
};

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// An independent reading: the blanks taken out, a regular expression for the number, and
// Qt's own conversion of what it matched (infinite or 0 when out of range).
double referenceRead(QString text)
{
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    // A lone surrogate can never be part of a number; the regular expression wants valid text.
    for (QChar& unit : text) {
        if (unit.isSurrogate()) {
            unit = QLatin1Char('#');
        }
    }
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        return 0.0;
    }
    const double value = QLocale::c().toDouble(match.captured(0));
    return value == 0.0 ? 0.0 : value;
}

QString randomText(std::mt19937& engine)
{
    // Mostly the characters a number is made of, then blanks, separators, control
    // characters, other scripts' digits, lone and paired surrogates.
    static const char16_t pieces[] = {
        u'0',
        u'1',
        u'2',
        u'5',
        u'9',
        u'9',
        u'0',
        u'7',
        u'+',
        u'-',
        u'.',
        u'.',
        u'e',
        u'E',
        u' ',
        u'\t',
        u'\n',
        u'\r',
        u',',
        u'a',
        u'x',
        u'&',
        u'H',
        u'D',
        u'\0',
        u'\x1b',
        u'\x7f',
        u'\xa0',
        u'\xff10',
        u'\x0663',
        u'\xd800',
        u'\xdc00',
        u'\xfffd',
        u'\x2212',
    };
    std::uniform_int_distribution<int> piece(0, static_cast<int>(std::size(pieces)) - 1);
    std::uniform_int_distribution<int> shape(0, 19);
    std::uniform_int_distribution<int> shortLength(0, 24);
    QString text;
    const int kind = shape(engine);
    if (kind == 0) {
        // A long run of digits, a point somewhere in it and maybe a long exponent.
        std::uniform_int_distribution<int> length(300, 3000);
        text = QString(length(engine), QLatin1Char('9'));
        text.insert(
            std::uniform_int_distribution<int>(0, static_cast<int>(text.size()))(engine), QLatin1Char('.'));
        if (shape(engine) < 10) {
            text += QStringLiteral("e-")
                + QString(std::uniform_int_distribution<int>(1, 40)(engine), QLatin1Char('7'));
        }
        return text;
    }
    if (kind == 1) {
        // Leading zeros by the thousand, then an exponent that brings the value back.
        const int zeros = std::uniform_int_distribution<int>(1, 2000)(engine);
        return QStringLiteral("0.") + QString(zeros, QLatin1Char('0')) + QStringLiteral("3e")
            + QString::number(zeros + std::uniform_int_distribution<int>(-5, 5)(engine));
    }
    const int length = shortLength(engine);
    for (int i = 0; i < length; ++i) {
        text += QChar(pieces[piece(engine)]);
    }
    if (kind == 2) {
        text += QStringLiteral("e")
            + QString(std::uniform_int_distribution<int>(1, 60)(engine), QLatin1Char('9'));
    }
    if (kind == 3) {
        text.prepend(QString::fromUtf16(u"\xd83c\xdfb2")); // a whole surrogate pair in front
    }
    return text;
}

} // namespace

void TestNumberText::cleanup()
{
    NumberText::resetUserLocale();
}

void TestNumberText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::addRow("a whole number") << "1" << 1.0;
    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("only blanks") << " \t\n" << 0.0;
    QTest::addRow("words after the number") << "12 euros" << 12.0;
    QTest::addRow("a comma ends the number") << "2,5" << 2.0;
    QTest::addRow("a point is the decimal point") << "2.5" << 2.5;
    QTest::addRow("blanks anywhere") << " 1 2\t3\n.5" << 123.5;
    QTest::addRow("blank between sign and digits") << "- 4" << -4.0;
    QTest::addRow("carriage return is not skipped") << "1\r2" << 1.0;
    QTest::addRow("no-break space is not skipped") << QString::fromUtf16(u"\xa0"
                                                                         u"7")
                                                   << 0.0;
    QTest::addRow("plus sign") << "+7" << 7.0;
    QTest::addRow("point first") << "-.5" << -0.5;
    QTest::addRow("point last") << "5." << 5.0;
    QTest::addRow("lone point") << "." << 0.0;
    QTest::addRow("lone sign") << "-" << 0.0;
    QTest::addRow("two signs") << "+-1" << 0.0;
    QTest::addRow("negative zero reads as zero") << "-0" << 0.0;
    QTest::addRow("letters") << "abc" << 0.0;
    QTest::addRow("a second point ends it") << "1.2.3" << 1.2;
    QTest::addRow("exponent") << "1e3" << 1000.0;
    QTest::addRow("exponent with sign") << "2.5E-1" << 0.25;
    QTest::addRow("exponent with blanks") << "1 e + 2" << 100.0;
    QTest::addRow("e without digits") << "5e" << 5.0;
    QTest::addRow("e and sign without digits") << "5e+x" << 5.0;
    QTest::addRow("two exponent signs") << "1e+-2" << 1.0;
    QTest::addRow("hexadecimal is not read") << "&H10" << 0.0;
    QTest::addRow("0x is a zero") << "0x10" << 0.0;
    QTest::addRow("full-width digits are not digits") << QString::fromUtf16(u"\xff11\xff12") << 0.0;
    QTest::addRow("Arabic-Indic digits are not digits") << QString::fromUtf16(u"\x0661\x0662") << 0.0;
    QTest::addRow("a minus sign character is not a sign") << QString::fromUtf16(u"\x2212"
                                                                                u"3")
                                                          << 0.0;
    QTest::addRow("control character ends it") << QStringLiteral("4") + QChar(0) + QStringLiteral("5") << 4.0;
    QTest::addRow("lone surrogate ends it") << QString::fromUtf16(u"8\xd800"
                                                                  u"9")
                                            << 8.0;
    QTest::addRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::addRow("just past the largest") << "1.8e308" << Infinity;
    QTest::addRow("huge exponent") << "1e999999999999999999999999" << Infinity;
    QTest::addRow("huge negative") << "-1e400" << -Infinity;
    QTest::addRow("400 digits") << QStringLiteral("1") + QString(400, QLatin1Char('0')) << Infinity;
    QTest::addRow("smallest denormal") << "4.9e-324" << std::numeric_limits<double>::denorm_min();
    QTest::addRow("below the smallest") << "1e-400" << 0.0;
    QTest::addRow("tiny exponent") << "-7e-999999999999999999999" << 0.0;
    QTest::addRow("zero with a huge exponent") << "0e99999999999999999999" << 0.0;
    QTest::addRow("exponent with leading zeros") << "1e0000000000000000000000000002" << 100.0;
    QTest::addRow("thousands of leading zeros")
        << QStringLiteral("0.") + QString(3000, QLatin1Char('0')) + QStringLiteral("25e3001") << 2.5;
    QTest::addRow("thousands of trailing zeros")
        << QStringLiteral("3.") + QString(3000, QLatin1Char('0')) << 3.0;
}

void TestNumberText::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = NumberText::read(text);
    QCOMPARE(read, value);
    QVERIFY(!std::signbit(read) || value < 0);
}

void TestNumberText::writes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale french(QLocale::French, QLocale::France);
    const QLocale english = QLocale::c();
    QTest::addRow("whole") << 7.0 << french << "7";
    QTest::addRow("French decimal comma") << 17.5 << french << "17,5";
    QTest::addRow("C decimal point") << 17.5 << english << "17.5";
    QTest::addRow("German decimal comma") << 2.25 << QLocale(QLocale::German) << "2,25";
    QTest::addRow("Arabic decimal separator") << 2.5 << QLocale(QLocale::Arabic, QLocale::Egypt)
                                              << QString::fromUtf16(u"2\x066b"
                                                                    u"5");
    QTest::addRow("no group separators") << 1234567.0 << french << "1234567";
    QTest::addRow("negative") << -2.5 << french << "-2,5";
    QTest::addRow("zero") << 0.0 << french << "0";
    QTest::addRow("negative zero") << -0.0 << french << "0";
    QTest::addRow("fifteen digits hide binary noise") << 0.1 * 3 << french << "0,3";
    QTest::addRow("fifteen whole digits") << 123456789012345.0 << english << "123456789012345";
    QTest::addRow("sixteen whole digits go scientific")
        << 1234567890123456.0 << english << "1.23456789012346E+15";
    QTest::addRow("very large, French") << 1.27e22 << french << "1,27E+22";
    QTest::addRow("exactly 1E+15") << 1e15 << english << "1E+15";
    QTest::addRow("small stays plain") << 0.0001 << english << "0.0001";
    QTest::addRow("smaller goes scientific") << 0.00001 << english << "1E-05";
    QTest::addRow("largest double") << DBL_MAX << french << "1,79769313486232E+308";
    QTest::addRow("infinity") << Infinity << french << NumberText::OutOfRange;
    QTest::addRow("minus infinity") << -Infinity << french << NumberText::OutOfRange;
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << french
                                  << NumberText::OutOfRange;
}

void TestNumberText::writes()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(NumberText::write(value, locale), text);
}

void TestNumberText::writesWithTheUserLocale()
{
    QCOMPARE(NumberText::OutOfRange, QStringLiteral("Trop grand"));
    // The desktop's locale unless told otherwise; this suite runs in the C locale.
    QCOMPARE(NumberText::userLocale(), QLocale::system());
    QCOMPARE(NumberText::write(17.5), QStringLiteral("17.5"));
    NumberText::setUserLocale(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(NumberText::write(17.5), QStringLiteral("17,5"));
    NumberText::resetUserLocale();
    QCOMPARE(NumberText::write(17.5), QStringLiteral("17.5"));
}

// Many random and hostile texts: the reading agrees with an independent reading, is never
// "not a number", and does not change when blanks are slipped in anywhere.
void TestNumberText::readingSurvivesAnyText()
{
    std::mt19937 engine(20240517);
    std::uniform_int_distribution<int> blank(0, 2);
    int numbers = 0;
    int infinite = 0;
    for (int round = 0; round < 30000; ++round) {
        const QString text = randomText(engine);
        const double value = NumberText::read(text);
        QVERIFY2(!std::isnan(value), qPrintable(text.left(80)));
        const double expected = referenceRead(text);
        if (value != expected) {
            QFAIL(qPrintable(
                QStringLiteral("%1 read %2, expected %3").arg(text.left(80)).arg(value).arg(expected)));
        }

        QString spaced = text;
        for (int insert = 0; insert < 3; ++insert) {
            const int at = std::uniform_int_distribution<int>(0, static_cast<int>(spaced.size()))(engine);
            spaced.insert(at, QLatin1Char(" \t\n"[blank(engine)]));
        }
        if (NumberText::read(spaced) != value) {
            QFAIL(qPrintable(QStringLiteral("blanks changed the reading of %1").arg(text.left(80))));
        }
        numbers += value != 0.0 ? 1 : 0;
        infinite += std::isinf(value) ? 1 : 0;
    }
    // The texts were hostile, not hopeless: many held numbers, some beyond range.
    QVERIFY(numbers > 5000);
    QVERIFY(infinite > 100);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
