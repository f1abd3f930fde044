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
    void cleanup() { NumberText::resetUserLocale(); }
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void readingSurvivesAnyText();
};

namespace {

constexpr double Infinity = std::numeric_limits<double>::infinity();

// An independent reading: blanks removed, a regular expression for the number, and Qt's own
// conversion of the match (infinite or 0 out of range). A lone surrogate is never part of a
// number; it is masked because the regular expression wants valid text.
double referenceRead(QString text)
{
    text.remove(QLatin1Char(' ')).remove(QLatin1Char('\t')).remove(QLatin1Char('\n'));
    for (QChar& unit : text) {
        unit = unit.isSurrogate() ? QLatin1Char('#') : unit;
    }
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)(?:[eE][+-]?[0-9]+)?"));
    const QRegularExpressionMatch match = number.match(text);
    const double value = match.hasMatch() ? QLocale::c().toDouble(match.captured(0)) : 0.0;
    return value == 0.0 ? 0.0 : value;
}

// Mostly what numbers are made of, with blanks, control characters, other scripts' digits and
// lone surrogates; now and then thousands of digits or a huge exponent.
QString randomText(std::mt19937& engine)
{
    static const char16_t pieces[] = u"0125997+-..eE \t\n\r,ax&\x1b\x7f\xa0\xff10\x0663\xd800\xdc00\x2212";
    auto below = [&engine](int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine); };
    QString text;
    for (int i = below(25); i > 0; --i) {
        text += QChar(pieces[below(static_cast<int>(std::size(pieces)))]); // the final 0 included
    }
    switch (below(10)) {
    case 0:
        return text + QString(300 + below(3000), QLatin1Char('9'));
    case 1:
        return text + QStringLiteral("e") + QString(1 + below(60), QLatin1Char('9'));
    case 2: {
        const int zeros = 1 + below(2000);
        return QStringLiteral("0.") + QString(zeros, QLatin1Char('0')) + QStringLiteral("3e")
            + QString::number(zeros + below(11) - 5) + text;
    }
    default:
        return text;
    }
}

} // namespace

void TestNumberText::reads_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");

    QTest::addRow("empty") << "" << 0.0;
    QTest::addRow("words after the number") << "12 euros" << 12.0;
    QTest::addRow("a comma ends the number") << "2,5" << 2.0;
    QTest::addRow("point") << "2.5" << 2.5;
    QTest::addRow("blanks, tabs, line feeds anywhere") << " 1 2\t3\n.5" << 123.5;
    QTest::addRow("blank after the sign") << "- 4" << -4.0;
    QTest::addRow("carriage return is not skipped") << "1\r2" << 1.0;
    QTest::addRow("no-break space is not skipped") << QString::fromUtf16(u"\xa0"
                                                                         u"7")
                                                   << 0.0;
    QTest::addRow("point first") << "-.5" << -0.5;
    QTest::addRow("lone point or sign") << ".-" << 0.0;
    QTest::addRow("two signs") << "+-1" << 0.0;
    QTest::addRow("negative zero is zero") << "-0" << 0.0;
    QTest::addRow("a second point ends it") << "1.2.3" << 1.2;
    QTest::addRow("exponent with blanks") << "2.5 E - 1" << 0.25;
    QTest::addRow("e without digits") << "5e+x" << 5.0;
    QTest::addRow("hexadecimal is not read") << "&H10" << 0.0;
    QTest::addRow("full-width digits") << QString::fromUtf16(u"\xff11\xff12") << 0.0;
    QTest::addRow("control character ends it") << QStringLiteral("4") + QChar(0) + QStringLiteral("5") << 4.0;
    QTest::addRow("lone surrogate ends it") << QString::fromUtf16(u"8\xd800"
                                                                  u"9")
                                            << 8.0;
    QTest::addRow("largest double") << "1.7976931348623157e308" << DBL_MAX;
    QTest::addRow("just past it") << "1.8e308" << Infinity;
    QTest::addRow("huge negative exponent") << "-1e999999999999999999999999" << -Infinity;
    QTest::addRow("400 digits") << QStringLiteral("1") + QString(400, QLatin1Char('0')) << Infinity;
    QTest::addRow("smallest denormal") << "4.9e-324" << std::numeric_limits<double>::denorm_min();
    QTest::addRow("too small") << "7e-999999999999999999999" << 0.0;
    QTest::addRow("zero, huge exponent") << "0e99999999999999999999" << 0.0;
    QTest::addRow("thousands of leading zeros")
        << QStringLiteral("0.") + QString(3000, QLatin1Char('0')) + QStringLiteral("25e3001") << 2.5;
}

void TestNumberText::reads()
{
    QFETCH(QString, text);
    QFETCH(double, value);
    const double read = NumberText::read(text);
    QCOMPARE(read, value);
    QCOMPARE(std::signbit(read), value < 0);
}

void TestNumberText::writes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");

    const QLocale french(QLocale::French, QLocale::France);
    const QLocale c = QLocale::c();
    QTest::addRow("whole") << 7.0 << french << "7";
    QTest::addRow("French comma") << 17.5 << french << "17,5";
    QTest::addRow("C point") << 17.5 << c << "17.5";
    QTest::addRow("Arabic separator") << 2.5 << QLocale(QLocale::Arabic, QLocale::Egypt)
                                      << QString::fromUtf16(u"2\x066b"
                                                            u"5");
    QTest::addRow("no group separators, sign") << -1234567.5 << french << "-1234567,5";
    QTest::addRow("negative zero") << -0.0 << french << "0";
    QTest::addRow("binary noise hidden") << 0.1 * 3 << french << "0,3";
    QTest::addRow("fifteen digits stay plain") << 123456789012345.0 << c << "123456789012345";
    QTest::addRow("sixteen go scientific") << 1234567890123456.0 << c << "1.23456789012346E+15";
    QTest::addRow("very large") << 1.27e22 << french << "1,27E+22";
    QTest::addRow("very small") << 0.00001 << c << "1E-05";
    QTest::addRow("infinity") << -Infinity << french << "Trop grand";
    QTest::addRow("not a number") << std::numeric_limits<double>::quiet_NaN() << c << "Trop grand";
}

void TestNumberText::writes()
{
    QFETCH(double, value);
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QCOMPARE(NumberText::write(value, locale), text);
    // Without a locale, the player's: the desktop's (C in this suite) unless a test sets one.
    NumberText::setUserLocale(locale);
    QCOMPARE(NumberText::write(value), text);
    NumberText::resetUserLocale();
    QCOMPARE(NumberText::userLocale(), QLocale::system());
}

// Random and hostile texts: the reading agrees with the independent one, and slipping in
// blanks anywhere changes nothing.
void TestNumberText::readingSurvivesAnyText()
{
    std::mt19937 engine(20240517);
    int numbers = 0;
    int infinite = 0;
    for (int round = 0; round < 30000; ++round) {
        const QString text = randomText(engine);
        const double value = NumberText::read(text);
        if (!(value == referenceRead(text))) {
            QFAIL(qPrintable(QStringLiteral("%1 read %2").arg(text.left(80)).arg(value)));
        }
        QString spaced = text;
        for (int i = 0; i < 3; ++i) {
            spaced.insert(std::uniform_int_distribution<int>(0, static_cast<int>(spaced.size()))(engine),
                QLatin1Char(" \t\n"[i]));
        }
        QCOMPARE(NumberText::read(spaced), value);
        numbers += value != 0.0 ? 1 : 0;
        infinite += std::isinf(value) ? 1 : 0;
    }
    // Hostile, not hopeless: many texts held numbers, some beyond range.
    QVERIFY(numbers > 5000);
    QVERIFY(infinite > 100);
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
