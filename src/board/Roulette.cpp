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
    return code.mid(position - 1, 1);
}

} // namespace Roulette
