// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DecimalText.h"

#include <vector>

namespace DecimalText {

namespace {

// Counts of draws, hits, runs and candidates rarely reach this; larger ones are written anew.
constexpr int SharedCount = 1000;

const std::vector<QString>& sharedTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> made;
        made.reserve(SharedCount);
        for (int number = 0; number < SharedCount; ++number) {
            made.push_back(QString::number(number));
        }
        return made;
    }();
    return texts;
}

} // namespace

QString of(int number)
{
    if (number >= 0 && number < SharedCount) {
        return sharedTexts()[static_cast<std::size_t>(number)];
    }
    return QString::number(number);
}

} // namespace DecimalText
