#include "board/Roulette.h"

#include <array>

namespace Roulette {

bool isRed(int number)
{
    static constexpr std::array<int, 18> Reds
        = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (const int red : Reds) {
        if (red == number) {
            return true;
        }
    }
    return false;
}

ColourCode colourOf(int number)
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
