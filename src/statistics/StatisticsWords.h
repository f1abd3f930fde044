// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics in the program's words and figures: those of its language whatever the
// desktop's locale ("41,3" in French, "41.3" in English), p-values with two significant
// digits, and the table of chances as text.
#pragma once

#include "statistics/StatisticsModel.h"

#include <QString>
#include <QStringList>

namespace StatisticsWords {

// The columns of the table of chances.
enum class ChanceColumn { Name, Observed, Expected, Gap, P, LongestRun, UsualRun };
constexpr int ChanceColumnCount = 7;

QString count(int value); // "100 000" in French, "100,000" in English
QString decimal(double value, int decimals); // "41,3", "41.3"
QString gap(double deviations); // "+2,6", "−3,1", "0,0"
QString pValue(double p); // "p = 0,42", "p = 0,0041", "p < 0,0001"
QString pFigure(double p); // "0,42", "0,0041", "< 0,0001"

QString chiSquareLine(double chiSquare, int draws);
QString chiSquareLine(const StatisticsModel& model);
QString verdict(StatisticsModel::Verdict verdict, int draws, double p);
QString verdict(const StatisticsModel& model);

// How long a number has been away: "absent depuis 42 tirages", "pas encore sorti".
QString absence(int drawsSince);
// What pointing at a number's bar tells.
QString numberTip(int number, int hits, double expected, int drawsSince);
QString numberTip(const StatisticsModel& model, int number);

QString chanceCell(const StatisticsModel& model, StatisticsModel::Chance chance, ChanceColumn column);

// One sentence per row of the table of chances that chance hardly explains, most unusual first.
QStringList unusualChances(const StatisticsModel& model);

QString houseEdgeLine();
QString losingStreakLine();

} // namespace StatisticsWords
