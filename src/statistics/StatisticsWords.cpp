// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/StatisticsWords.h"

#include "platform/DecimalText.h"
#include "platform/Language.h"
#include "statistics/StatisticsTexts.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace StatisticsWords {

namespace {

// The figures of the program's language: "41,3" and "100 000" in French, "41.3" and "100,000"
// in English. Made again only when another language is installed, for every figure of the
// statistics goes through it after each entry.
const QLocale& written()
{
    static Language::Choice language = Language::current();
    static QLocale locale = Language::locale();
    if (language != Language::current()) {
        language = Language::current();
        locale = Language::locale();
    }
    return locale;
}

constexpr double SmallestP = 0.0001;

} // namespace

QString count(int value)
{
    // Below a thousand there is no group to separate, and the texts are made once.
    if (value >= 0 && value < 1000) {
        return DecimalText::of(value);
    }
    return written().toString(value);
}

QString decimal(double value, int decimals)
{
    return written().toString(value, 'f', decimals);
}

QString gap(double deviations)
{
    const double tenths = std::round(deviations * 10.0);
    if (tenths == 0.0) {
        return decimal(0.0, 1);
    }
    const QString& sign = tenths < 0 ? StatisticsTexts::MinusSign : StatisticsTexts::PlusSign;
    return sign + decimal(std::abs(tenths) / 10.0, 1);
}

QString pValue(double p)
{
    return p < SmallestP ? StatisticsTexts::pBelowFloor().arg(decimal(SmallestP, 4))
                         : StatisticsTexts::pEquals().arg(pFigure(p));
}

QString pFigure(double p)
{
    if (p < SmallestP) {
        return StatisticsTexts::belowFloor().arg(decimal(SmallestP, 4));
    }
    // Two significant digits: the exponent of the rounded value decides how many decimals.
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.1e", p);
    const int exponent = std::atoi(std::strchr(scientific, 'e') + 1);
    const int decimals = std::max(1, 1 - exponent);
    QString text = decimal(p, decimals);
    // Just below the threshold, rounding would read 0,010 beside a verdict that says below it.
    if (p < StatisticsModel::UnusualBelow && text == decimal(StatisticsModel::UnusualBelow, 3)) {
        text = decimal(0.0099, 4);
    }
    return text;
}

QString chiSquareLine(double chiSquare, int drawCount)
{
    return StatisticsTexts::chiSquareLine(drawCount).arg(decimal(chiSquare, 1), count(drawCount));
}

QString chiSquareLine(const StatisticsModel& model)
{
    return chiSquareLine(model.chiSquare(), model.draws());
}

QString verdict(StatisticsModel::Verdict verdict, int draws, double p)
{
    switch (verdict) {
    case StatisticsModel::Verdict::NotEnoughDraws:
        return StatisticsTexts::notEnoughDraws().arg(count(draws), count(StatisticsModel::MinimumDraws));
    case StatisticsModel::Verdict::NothingAbnormal:
        return StatisticsTexts::nothingAbnormal().arg(pValue(p));
    case StatisticsModel::Verdict::Unusual:
        break;
    }
    return StatisticsTexts::unusual().arg(pValue(p));
}

QString verdict(const StatisticsModel& model)
{
    return verdict(model.verdict(), model.draws(), model.pValue());
}

QString absence(int drawsSince)
{
    if (drawsSince == StatisticsModel::NeverDrawn) {
        return StatisticsTexts::notYetDrawn();
    }
    if (drawsSince == 0) {
        return StatisticsTexts::drawnLast();
    }
    return StatisticsTexts::absentSince(drawsSince).arg(count(drawsSince));
}

QString numberTip(int number, int hits, double expected, int drawsSince)
{
    // French puts the hits expected in the singular below two, "1,5 attendue": a rule of
    // decimals that the plural forms of a whole count cannot say.
    const QString tip = std::abs(expected) < 2.0 ? StatisticsTexts::numberTipExpectedOne(hits)
                                                 : StatisticsTexts::numberTipExpectedMany(hits);
    return tip.arg(count(number), count(hits), decimal(expected, 1), absence(drawsSince));
}

QString numberTip(const StatisticsModel& model, int number)
{
    return numberTip(number, model.hits(number), model.expectedHits(), model.drawsSince(number));
}

QString chanceCell(const StatisticsModel& model, StatisticsModel::Chance chance, ChanceColumn column)
{
    const bool even = StatisticsModel::isEvenChance(chance);
    switch (column) {
    case ChanceColumn::Name:
        return StatisticsTexts::chanceName(static_cast<int>(chance));
    case ChanceColumn::Observed:
        return count(model.chance(chance).observed);
    case ChanceColumn::Expected:
        return decimal(model.chance(chance).expected, 1);
    case ChanceColumn::Gap:
        return gap(model.chance(chance).gap);
    case ChanceColumn::P:
        return pFigure(model.chance(chance).p);
    case ChanceColumn::LongestRun:
        return even ? count(model.longestRun(chance)) : QString();
    case ChanceColumn::UsualRun:
        break;
    }
    return even ? count(model.usualLongestRun()) : QString();
}

QStringList unusualChances(const StatisticsModel& model)
{
    QStringList lines;
    for (const StatisticsModel::UnusualChance& row : model.unusualChances()) {
        lines << StatisticsTexts::unusualChance().arg(
            StatisticsTexts::chanceName(static_cast<int>(row.chance)), gap(row.gap), pValue(row.p),
            pFigure(row.adjustedP), count(StatisticsModel::ChanceCount));
    }
    return lines;
}

QString houseEdgeLine()
{
    return StatisticsTexts::houseEdgeLine().arg(decimal(100.0 * StatisticsModel::houseEdge(), 2),
        decimal(100.0 * StatisticsModel::evenChanceHouseEdge(), 2));
}

QString losingStreakLine()
{
    return StatisticsTexts::losingStreakLine().arg(
        decimal(100.0 * StatisticsModel::losingStreakProbability(), 2),
        count(StatisticsModel::losingStreakCost()));
}

} // namespace StatisticsWords
