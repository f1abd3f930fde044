// Spoken advice: whether it is on (the indicator then shows large), and which sentences an
// entry reads aloud, from the advice the entry left on the board and its trend windows.
#pragma once

#include <QRect>
#include <QStringList>

class BoardModel;

class SpokenAdvice
{
public:
    // The indicator's place in twips: small while spoken advice is off, large while on.
    static constexpr QRect SmallIndicator{120, 720, 135, 135};
    static constexpr QRect LargeIndicator{0, 600, 375, 375};

    // The indicator's toggle: switches spoken advice on or off.
    void basculeParole();

    bool paroleAgrandie() const { return m_paroleAgrandie; }
    QRect indicatorGeometry() const { return m_paroleAgrandie ? LargeIndicator : SmallIndicator; }

    // The sentences to read after an entry, in their order; none while spoken advice is off.
    QStringList phrasesAfterEntry(const BoardModel& board) const;

private:
    bool m_paroleAgrandie = false;
};
