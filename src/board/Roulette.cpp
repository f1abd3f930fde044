#include "board/Roulette.h"

#include <array>

namespace Roulette {

ColourCode colourCodeOf(int number)
{
    if (number == 0) {
        return Colours::Green;
    }
    return isRed(number) ? Colours::Red : Colours::Grey;
}

QString attribute(const QString& code, int position)
{
    // Every entry reads four characters of a code, all of them ASCII signs, letters and
    // digits: each is handed out as a shared one-character text instead of a new copy.
    static const std::array<QString, 128> characters = [] {
        std::array<QString, 128> made;
        for (char16_t c = 0; c < made.size(); ++c) {
            made[c] = QString(QChar(c));
        }
        return made;
    }();
    const qsizetype index = position - 1;
    if (index >= 0 && index < code.size() && code.at(index).unicode() < characters.size()) {
        return characters[code.at(index).unicode()];
    }
    return code.mid(position - 1, 1);
}

} // namespace Roulette
