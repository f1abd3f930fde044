// SPDX-License-Identifier: GPL-3.0-or-later
// Reading any typed text as a number, and writing a number for the player (the stake
// calculator's progression is in the golden file).
#include "platform/NumberText.h"

#include <QTest>
#include <cmath>
#include <limits>

constexpr double Infinity = std::numeric_limits<double>::infinity();

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { NumberText::resetUserLocale(); }

    void reads_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("french"); // its decimal separator read as well as "." (the stake box)
        QTest::addColumn<double>("value");
        QTest::addRow("words after the number") << "12 euros" << false << 12.0;
        QTest::addRow("a comma ends the number") << "2,5" << false << 2.0;
        QTest::addRow("French comma") << "2,5" << true << 2.5;
        QTest::addRow("French point") << "2.5" << true << 2.5;
        QTest::addRow("French words after the number") << "12 euros" << true << 12.0;
        QTest::addRow("blanks, tabs, line feeds anywhere") << " 1 2\t3\n.5" << false << 123.5;
        QTest::addRow("carriage return is not skipped") << "1\r2" << false << 1.0;
        QTest::addRow("negative zero is zero") << "-0" << false << 0.0;
        QTest::addRow("exponent with blanks") << "2.5 E - 1" << false << 0.25;
        QTest::addRow("past the largest double") << "1.8e308" << false << Infinity;
        QTest::addRow("huge negative exponent") << "-1e999999999999999999999999" << false << -Infinity;
        QTest::addRow("smallest denormal")
            << "4.9e-324" << false << std::numeric_limits<double>::denorm_min();
        QTest::addRow("thousands of leading zeros") << QStringLiteral("0.") + QString(3000, QLatin1Char('0'))
                + QStringLiteral("25e3001") << false << 2.5;
    }

    void reads()
    {
        QFETCH(QString, text);
        QFETCH(bool, french);
        QFETCH(double, value);
        const double read = french ? NumberText::read(text, QLocale(QLocale::French, QLocale::France))
                                   : NumberText::read(text);
        QCOMPARE(read, value);
        QCOMPARE(std::signbit(read), value < 0);
    }

    void writes_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QLocale french(QLocale::French, QLocale::France);
        const QLocale c = QLocale::c();
        QTest::addRow("French comma") << 17.5 << french << "17,5";
        QTest::addRow("no group separators, sign") << -1234567.5 << french << "-1234567,5";
        QTest::addRow("negative zero") << -0.0 << french << "0";
        QTest::addRow("binary noise hidden") << 0.1 * 3 << french << "0,3";
        QTest::addRow("fifteen digits stay plain") << 123456789012345.0 << c << "123456789012345";
        QTest::addRow("sixteen go scientific") << 1234567890123456.0 << c << "1.23456789012346E+15";
        QTest::addRow("French scientific") << 1.5e21 << french << "1,5E+21";
        QTest::addRow("infinity") << -Infinity << french << "Trop grand";
    }

    // Without a locale, the player's: the desktop's (C in this suite) unless a test sets one.
    void writes()
    {
        QFETCH(double, value);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QCOMPARE(NumberText::write(value, locale), text);
        NumberText::setUserLocale(locale);
        QCOMPARE(NumberText::write(value), text);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
