// SPDX-License-Identifier: GPL-3.0-or-later
// Whole numbers written in decimal ("7", "128") for the counts the board and its windows show
// after every entry. Those counts are small, so their texts are made once and shared.
#pragma once

#include <QString>

namespace DecimalText {

// The same text as QString::number(number).
QString of(int number);

} // namespace DecimalText
