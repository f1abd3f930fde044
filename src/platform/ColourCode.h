// SPDX-License-Identifier: GPL-3.0-or-later
// Colour codes as the program stores and compares them: 0x00BBGGRR for a plain colour,
// 0x800000nn for the desktop's system colour nn. Only the windows turn them into pixels.
#pragma once

#include <cstdint>

using ColourCode = std::uint32_t;

namespace Colours {

constexpr ColourCode Red = 0x0000FF;
constexpr ColourCode Grey = 0x808080; // stands for a black number
constexpr ColourCode Green = 0x00C000;
constexpr ColourCode DarkGreen = 0x008000;
constexpr ColourCode Orange = 0x0080FF;
constexpr ColourCode Yellow = 0x00FFFF;
constexpr ColourCode DarkRed = 0x0000C0;
constexpr ColourCode White = 0xFFFFFF;
constexpr ColourCode Black = 0x000000;

constexpr ColourCode SystemFlag = 0x80000000;
constexpr ColourCode InactiveTitleBar = SystemFlag | 0x03; // the idle colour of the board
constexpr ColourCode WindowText = SystemFlag | 0x08;
constexpr ColourCode ButtonFace = SystemFlag | 0x0F;

constexpr bool isSystemColour(ColourCode code)
{
    return (code & SystemFlag) != 0;
}

} // namespace Colours
