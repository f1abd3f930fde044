// One even-money pair followed entry after entry: the marks of the last 20 numbers, the
// suggestion cell, the advice caption, and four counters of the draws since the last long
// run of repetitions or alternations. Holds what the pair's trend window shows.
#pragma once

#include "platform/ColourCode.h"
#include "trends/EvenChance.h"

#include <QString>
#include <array>

struct NumberCell;

class EvenChanceTracker
{
public:
    static constexpr int HistoryLength = 20;
    static constexpr int SuggestionCell = 20;
    static constexpr int CellCount = 21;

    // The four counters, in the order they are updated.
    enum CounterKind { RepetitionOver4 = 0, RepetitionOver5 = 1, AlternationOver4 = 2, AlternationOver5 = 3 };
    static constexpr int CounterCount = 4;

    struct Counter
    {
        int tirage = 0; // draws since the last long run; 0 until the first one
        int nombrerepetition = 0; // 1 once a long run has been seen
        QString countCaption; // the count label
        ColourCode warningColour = Colours::InactiveTitleBar;
    };

    explicit EvenChanceTracker(EvenChance pair);

    EvenChance pair() const { return m_definition->pair; }

    // Before the pair is tracked at an entry: the advice of the previous entry stops showing.
    void clearAdvice();

    // suiviChanceSimple for this pair: records the drawn number's mark and gives advice.
    // Returns true when the advice starts the pair's blink.
    bool suiviChanceSimple(const NumberCell& drawn);

    // One blink step of the advice caption; the phase goes on from where it was left.
    void blinkTick();

    const Mark& cell(int index) const { return m_cells[static_cast<std::size_t>(index)]; }
    const Counter& counter(int kind) const { return m_counters[static_cast<std::size_t>(kind)]; }
    QString label1Caption() const { return m_label1Caption; }
    ColourCode label1Colour() const { return m_label1Colour; }
    QString label10Caption() const { return m_label10Caption; }
    bool isShown() const { return m_shown; }
    int phase() const { return m_phase; }

    // Run length and alternation count of the latest entry.
    int runLength() const { return m_runLength; }
    int alternationCount() const { return m_alternationCount; }

private:
    void updateCounter(int kind, int value);

    const PairDefinition* m_definition;
    std::array<Mark, CellCount> m_cells;
    std::array<Counter, CounterCount> m_counters;
    QString m_label1Caption = QStringLiteral("Label1");
    ColourCode m_label1Colour = Colours::ButtonFace;
    QString m_label10Caption = QStringLiteral("Label10");
    bool m_shown = false;
    int m_phase = 0;
    int m_runLength = 0;
    int m_alternationCount = 0;
};
