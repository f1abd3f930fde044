// The board of one run: the 37 number cells with their hit counts, the draw counter, the
// strip of the last draws, the level of the least-drawn numbers and the advice state that
// every entry resets. The board window only shows what this holds.
#pragma once

#include "board/Roulette.h"
#include "dozens/DozensModel.h"
#include "platform/ColourCode.h"
#include "speech/SpokenAdvice.h"
#include "trends/EvenChanceTracker.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <vector>

struct NumberCell
{
    QString text; // the number in decimal
    ColourCode backColour{}; // red, grey or green; never changes
    ColourCode foreColour = Colours::WindowText;
    QString tag; // attribute code: "-I11" for 1, empty for zero
    int hitCount = 0;

    // Empty until the number first comes out, then " 3 Fois Sorti".
    QString toolTip() const;
};

struct CaptionBox
{
    QString caption;
    ColourCode backColour = Colours::InactiveTitleBar;

    bool operator==(const CaptionBox& other) const
    {
        return caption == other.caption && backColour == other.backColour;
    }
};

class BoardModel
{
public:
    static constexpr int StripLength = 22;
    static constexpr int CandidateCount = 10;
    static constexpr int BlinkTimerCount = 6;
    static constexpr int DozenColumnBoxCount = 6; // Text2 to Text7
    static constexpr int CollapsedHeight = 1780; // outer height in twips, advice row hidden
    static constexpr int AdviceHeight = 2040; // advice row shown

    BoardModel();

    // Registers a drawn number that the player confirmed: every step of an entry after the
    // confirmation, in their fixed order. The number must be 0 to 36.
    void enter(int number);

    // One tick of a running blink timer (1 to 6), 500 ms apart.
    void blinkTick(int timer);

    const NumberCell& cell(int number) const { return m_cells[static_cast<std::size_t>(number)]; }
    const CaptionBox& stripSquare(int index) const { return m_strip[static_cast<std::size_t>(index)]; }
    const CaptionBox& candidate(int index) const { return m_candidates[static_cast<std::size_t>(index)]; }

    // Back colour of Text2 (index 0) to Text7 (index 5).
    ColourCode dozenColumnBoxColour(int index) const
    {
        return m_dozenColumnBoxes[static_cast<std::size_t>(index)];
    }

    // Timer1 to Timer6: 1 colour, 2 passe/manque, 3 pair/impair, 4 columns, 5 dozens, 6 numbers.
    bool isTimerEnabled(int timer) const { return m_timers[static_cast<std::size_t>(timer - 1)]; }

    QString label2Caption() const { return m_label2Caption; } // level caption
    QString label3Caption() const { return m_label3Caption; } // level count
    QString label4Caption() const { return m_label4Caption; } // draws registered
    ColourCode label8Colour() const { return m_label8Colour; } // probability indicator
    int boardHeight() const { return m_boardHeight; } // outer height in twips

    int tirage() const { return m_tirage; }
    int repetitionSorti() const { return m_repetitionSorti; }
    int compteurProbabiliteNumero() const { return m_compteurProbabiliteNumero; }

    // How many numbers were at the level in the latest entry (0 when it rose).
    int levelCount() const { return m_levelCount; }

    // The three even-money pairs: colour, passe/manque, pair/impair.
    const EvenChanceTracker& evenChance(EvenChance pair) const
    {
        return m_evenChances[static_cast<std::size_t>(pair)];
    }

    // Spoken advice: the indicator's toggle, and what the latest entry reads aloud.
    void basculeParole() { m_spokenAdvice.basculeParole(); }
    const SpokenAdvice& spokenAdvice() const { return m_spokenAdvice; }
    const QStringList& spokenPhrases() const { return m_spokenPhrases; }

    // Blink phases of the three advice captions (Timer1, Timer2, Timer3).
    int delai() const { return evenChance(EvenChance::Colour).phase(); }
    int delaipm() const { return evenChance(EvenChance::PasseManque).phase(); }
    int delaipi() const { return evenChance(EvenChance::PairImpair).phase(); }

    // Every accepted draw, oldest first: the record the statistics are made of.
    const std::vector<std::uint8_t>& draws() const { return m_draws; }

    // Dozen and column histories, their blinks and the number advice.
    const DozensModel& dozens() const { return m_dozens; }

private:
    // The dozen, column and number advice writes its part of the board through these.
    friend class DozensModel;
    void enableTimer(int timer) { m_timers[static_cast<std::size_t>(timer - 1)] = true; }
    void setBoardHeight(int twips) { m_boardHeight = twips; }
    void setCandidate(int index, const CaptionBox& box)
    {
        m_candidates[static_cast<std::size_t>(index)] = box;
    }
    void setDozenColumnBoxColour(int index, ColourCode colour)
    {
        m_dozenColumnBoxes[static_cast<std::size_t>(index)] = colour;
    }
    void setNumberForeColour(int number, ColourCode colour)
    {
        m_cells[static_cast<std::size_t>(number)].foreColour = colour;
    }
    void setLabel8Colour(ColourCode colour) { m_label8Colour = colour; }
    void setCompteurProbabiliteNumero(int count) { m_compteurProbabiliteNumero = count; }

    void stopBlinking();
    void clearEvenChanceAdvice();
    void trackEvenChances(int number);
    void clearDozenColumnAdvice();
    void clearNumberBlinking();
    void countDraw();
    void clearCandidateRow();
    void shiftStrip(int number);
    int countHitsAndLevel(int number);

    std::array<NumberCell, Roulette::NumberCount> m_cells;
    std::array<CaptionBox, StripLength> m_strip;
    std::array<CaptionBox, CandidateCount> m_candidates;
    std::array<ColourCode, DozenColumnBoxCount> m_dozenColumnBoxes{};
    std::array<bool, BlinkTimerCount> m_timers{};
    std::array<EvenChanceTracker, EvenChanceCount> m_evenChances;
    SpokenAdvice m_spokenAdvice;
    QStringList m_spokenPhrases;

    QString m_label2Caption;
    QString m_label3Caption;
    QString m_label4Caption;
    ColourCode m_label8Colour = Colours::Green;
    int m_boardHeight = CollapsedHeight;

    int m_tirage = 0;
    int m_repetitionSorti = 0;
    int m_compteurProbabiliteNumero = 0;
    int m_levelCount = 0;
    std::vector<std::uint8_t> m_draws;
    DozensModel m_dozens;
};
