#include "trends/EvenChance.h"

#include "board/BoardModel.h"
#include "board/Roulette.h"

namespace {

Mark colourMark(const NumberCell& cell)
{
    return Mark::ofColour(cell.backColour);
}

Mark passeManqueMark(const NumberCell& cell)
{
    return Mark::ofText(Roulette::attribute(cell.tag, 1));
}

Mark pairImpairMark(const NumberCell& cell)
{
    return Mark::ofText(Roulette::attribute(cell.tag, 2));
}

} // namespace

const PairDefinition& PairDefinition::of(EvenChance pair)
{
    static const PairDefinition Colour{EvenChance::Colour, Mark::ofColour(Colours::Red),
        Mark::ofColour(Colours::Grey), Mark::ofColour(Colours::InactiveTitleBar), std::nullopt, &colourMark};
    static const PairDefinition PasseManque{EvenChance::PasseManque, Mark::ofText(QStringLiteral("-")),
        Mark::ofText(QStringLiteral("+")), Mark::ofText(QString()), Mark::ofText(QString()),
        &passeManqueMark};
    static const PairDefinition PairImpair{EvenChance::PairImpair, Mark::ofText(QStringLiteral("I")),
        Mark::ofText(QStringLiteral("P")), Mark::ofText(QString()), Mark::ofText(QString()), &pairImpairMark};
    switch (pair) {
    case EvenChance::Colour:
        return Colour;
    case EvenChance::PasseManque:
        return PasseManque;
    case EvenChance::PairImpair:
        break;
    }
    return PairImpair;
}
