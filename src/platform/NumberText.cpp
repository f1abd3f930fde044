// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace NumberText {

namespace {

// Beyond these decimal magnitudes a double holds nothing but infinity or zero; exponents are
// clamped well outside them so that no arithmetic on a typed exponent can overflow.
constexpr std::int64_t LargestMagnitude = 309; // 0.1e310 = 1e309 > 1.8e308
constexpr std::int64_t SmallestMagnitude = -323; // 0.999e-323 still rounds to a denormal
constexpr std::int64_t ExponentClamp = 1'000'000'000;

bool isSkipped(char16_t unit)
{
    return unit == u' ' || unit == u'\t' || unit == u'\n';
}

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// Walks a text one character at a time, stepping over the characters the reading ignores.
class Cursor
{
public:
    explicit Cursor(QStringView text)
        : m_text(text)
    {
        skip();
    }

    bool atEnd() const { return m_position >= m_text.size(); }
    char16_t peek() const { return atEnd() ? u'\0' : m_text[m_position].unicode(); }
    void advance()
    {
        ++m_position;
        skip();
    }

private:
    void skip()
    {
        while (m_position < m_text.size() && isSkipped(m_text[m_position].unicode())) {
            ++m_position;
        }
    }

    QStringView m_text;
    qsizetype m_position = 0;
};

std::int64_t clampedAdd(std::int64_t a, std::int64_t b)
{
    // Magnitudes and exponents are clamped to ±1e9 at every step, so the sum cannot overflow.
    const std::int64_t sum = a + b;
    return std::max(-ExponentClamp, std::min(ExponentClamp, sum));
}

std::optional<QLocale>& localeOverride()
{
    static std::optional<QLocale> instance;
    return instance;
}

double readWithPoint(QStringView text, char16_t otherPoint)
{
    Cursor cursor(text);

    bool negative = false;
    if (cursor.peek() == u'+' || cursor.peek() == u'-') {
        negative = cursor.peek() == u'-';
        cursor.advance();
    }

    // The significant digits, leading zeros dropped, and where the decimal point stands
    // relative to them: the value is 0.digits × 10^magnitude.
    std::string digits;
    std::int64_t magnitude = 0;
    bool sawDigit = false;
    while (isDigit(cursor.peek())) {
        sawDigit = true;
        if (!digits.empty() || cursor.peek() != u'0') {
            digits.push_back(static_cast<char>(cursor.peek()));
            magnitude = clampedAdd(magnitude, 1);
        }
        cursor.advance();
    }
    if (cursor.peek() == u'.' || cursor.peek() == otherPoint) {
        cursor.advance();
        while (isDigit(cursor.peek())) {
            sawDigit = true;
            if (digits.empty() && cursor.peek() == u'0') {
                magnitude = clampedAdd(magnitude, -1);
            } else {
                digits.push_back(static_cast<char>(cursor.peek()));
            }
            cursor.advance();
        }
    }
    if (!sawDigit) {
        return 0.0;
    }

    // An exponent counts only when at least one digit follows the "e" and its sign; "5e"
    // and "5e+" read as 5.
    if (cursor.peek() == u'e' || cursor.peek() == u'E') {
        Cursor exponentCursor = cursor;
        exponentCursor.advance();
        bool negativeExponent = false;
        if (exponentCursor.peek() == u'+' || exponentCursor.peek() == u'-') {
            negativeExponent = exponentCursor.peek() == u'-';
            exponentCursor.advance();
        }
        if (isDigit(exponentCursor.peek())) {
            std::int64_t exponent = 0;
            while (isDigit(exponentCursor.peek())) {
                exponent = std::min(ExponentClamp, exponent * 10 + (exponentCursor.peek() - u'0'));
                exponentCursor.advance();
            }
            magnitude = clampedAdd(magnitude, negativeExponent ? -exponent : exponent);
        }
    }

    while (!digits.empty() && digits.back() == '0') {
        digits.pop_back();
    }
    double value = 0.0;
    if (digits.empty()) {
        value = 0.0;
    } else if (magnitude > LargestMagnitude) {
        value = std::numeric_limits<double>::infinity();
    } else if (magnitude < SmallestMagnitude) {
        value = 0.0;
    } else {
        const std::string scientific = "0." + digits + 'e' + std::to_string(magnitude);
        const auto result = std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
        if (result.ec == std::errc::result_out_of_range) {
            value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
        } else if (result.ec != std::errc()) {
            value = 0.0;
        }
    }
    if (value == 0.0) {
        return 0.0; // no negative zero: "-0" reads as plain 0
    }
    return negative ? -value : value;
}

} // namespace

QString outOfRange()
{
    return QCoreApplication::translate("NumberText", "Trop grand");
}

double read(QStringView text)
{
    return readWithPoint(text, u'.');
}

double read(QStringView text, const QLocale& locale)
{
    const QString point = locale.decimalPoint();
    return readWithPoint(text, point.size() == 1 ? point.front().unicode() : u'.');
}

QString write(double value, const QLocale& locale)
{
    if (!std::isfinite(value)) {
        return outOfRange();
    }
    if (value == 0.0) {
        return QStringLiteral("0");
    }
    // Fifteen significant digits: what a double holds reliably, so 0.1 × 3 shows 0,3.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    QString text = QString::fromLatin1(buffer, static_cast<qsizetype>(result.ptr - buffer));
    text.replace(QLatin1Char('e'), QLatin1Char('E'));
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

QString write(double value)
{
    return write(value, userLocale());
}

QLocale userLocale()
{
    return localeOverride().value_or(QLocale::system());
}

void setUserLocale(const QLocale& locale)
{
    localeOverride() = locale;
}

void resetUserLocale()
{
    localeOverride().reset();
}

} // namespace NumberText
