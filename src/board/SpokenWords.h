// What the board shows by colour alone, said in words for screen readers: a number and its
// colour ("7 rouge"), how strongly the waiting numbers are advised, whether a dozen or column
// box is advised.
#pragma once

#include "platform/ColourCode.h"

#include <QString>

namespace SpokenWords {

// "rouge", "noir" (shown grey), "vert"; empty for any other colour.
QString colourWord(ColourCode colour);

// "7 rouge", "0 vert"; "vide" for a square that holds no number yet.
QString numberName(const QString& number, ColourCode colour);

// The cell's hit count as its tooltip says it, or that it has not come out yet, and whether
// it is one of the numbers to play.
QString cellDescription(const QString& toolTip, bool advised);

// The waiting indicator's colour in words.
QString waitingIndicator(ColourCode colour);

// A dozen or column box: advised while it shows yellow.
QString boxDescription(ColourCode colour);

// The blinking indicator of the dozens or columns ("Douzaines", "Colonnes"): idle, or the two
// that follow a run of the repeated one ("1" to "3"; empty after a run of zeros).
QString groupIndicator(const QString& group, ColourCode indicator, const QString& repeated);

} // namespace SpokenWords
