// The three even-money pairs and the marks their windows record: a colour in the colour
// window, a text ("-", "+", "I", "P", or empty for zero) in the two others.
#pragma once

#include "platform/ColourCode.h"

#include <QString>
#include <optional>

struct NumberCell;

enum class EvenChance { Colour = 0, PasseManque = 1, PairImpair = 2 };

constexpr int EvenChanceCount = 3;

struct Mark
{
    bool isColour = false;
    ColourCode colour = 0;
    QString text;

    static Mark ofColour(ColourCode code) { return Mark{true, code, {}}; }
    static Mark ofText(const QString& text) { return Mark{false, 0, text}; }

    bool operator==(const Mark& other) const
    {
        return isColour == other.isColour && (isColour ? colour == other.colour : text == other.text);
    }
    bool operator!=(const Mark& other) const { return !(*this == other); }
};

// What tells one pair from another: its two sides, what a cell never written holds, what a
// zero expects next in an alternation, and where a drawn number's mark comes from.
struct PairDefinition
{
    EvenChance pair;
    Mark firstSide;
    Mark secondSide;
    Mark unwritten;
    std::optional<Mark> expectedAfterZero; // none in the colour window: it equals no cell
    Mark (*markOf)(const NumberCell& cell);

    bool isSide(const Mark& mark) const { return mark == firstSide || mark == secondSide; }
    Mark otherSide(const Mark& mark) const { return mark == firstSide ? secondSide : firstSide; }

    static const PairDefinition& of(EvenChance pair);
};
