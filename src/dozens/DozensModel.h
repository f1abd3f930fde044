// Dozens, columns and the least-drawn numbers: the two histories of the dozen and column
// window and the runs that start their blinks, the candidate numbers to play with their blink,
// and the waiting indicator that turns from green to orange to red the longer they wait.
// It lives inside the board model and writes the board's advice through it.
#pragma once

#include "dozens/HistoryRow.h"
#include "platform/ColourCode.h"

#include <QString>

class BoardModel;

class DozensModel
{
public:
    // A run of this many equal dozens (or columns) advises the two others.
    static constexpr int AdvisedRun = 3;
    // The candidate numbers are listed when at most this many are left at the level.
    static constexpr int MaxCandidates = 10;

    // How many entries the candidates may wait unchanged before the indicator turns orange
    // (the count reaches `orange`) and red (the count passes `red`). Both are 0 for a level
    // count outside 1 to 10, which has no thresholds.
    struct AlertThresholds
    {
        int orange = 0;
        int red = 0;
    };
    static AlertThresholds alertThresholds(int levelCount);

    // The steps of an entry, in the order the board runs them.

    // Both indicators go idle; the dozen and column window exists from the first entry on.
    void clearIndicators();
    // Records the drawn number's dozen and column and starts the blink of each that has come
    // out three times or more in a row.
    void trackDozensAndColumns(BoardModel& board, int number);
    // With ten or fewer numbers left at the level: the advice row, the candidate row, their
    // blink and the waiting indicator. Otherwise the advice row is hidden.
    void adviseNumbers(BoardModel& board, int levelCount);
    // The candidate blink for `levelCount` candidates, and the count of how long they wait.
    void startCandidateBlink(BoardModel& board, int levelCount);

    // The blink timers' ticks, 500 ms apart: columns, dozens, candidate numbers.
    void Timer4_Timer(BoardModel& board);
    void Timer5_Timer(BoardModel& board);
    void Timer6_Timer(BoardModel& board);

    // What the dozen and column window shows.
    bool form5Exists() const { return m_form5Exists; }
    const HistoryRow& columns() const { return m_label1; } // Label1(0..19)
    const HistoryRow& dozens() const { return m_label2; } // Label2(0..19)
    ColourCode label5Colour() const { return m_label5Colour; } // column indicator
    ColourCode label6Colour() const { return m_label6Colour; } // dozen indicator

    // The advice state.
    const QString& clignodouze() const { return m_clignodouze; }
    const QString& clignocolone() const { return m_clignocolone; }
    int delaic() const { return m_delaic; }
    int delaid() const { return m_delaid; }
    int delain() const { return m_delain; }
    int nombacglino() const { return m_nombacglino; }
    int nombacglino2() const { return m_nombacglino2; }
    int anciennombacglino() const { return m_anciennombacglino; }

private:
    void suiviProbabiliteNumero(BoardModel& board);
    void niveauAlerteNumero(BoardModel& board);
    static void blinkGroup(
        BoardModel& board, int& phase, ColourCode& indicator, const QString& repeated, int firstBox);

    HistoryRow m_label1; // columns
    HistoryRow m_label2; // dozens
    ColourCode m_label5Colour = Colours::InactiveTitleBar;
    ColourCode m_label6Colour = Colours::InactiveTitleBar;
    bool m_form5Exists = false;

    QString m_clignodouze;
    QString m_clignocolone;
    // Blink phases: 0 shows the advice on the next tick, 1 takes it off. They carry over
    // from one blink to the next.
    int m_delaic = 0;
    int m_delaid = 0;
    int m_delain = 0;

    int m_nombacglino = 0; // last candidate slot that blinks
    int m_nombacglino2 = 0; // how many candidates
    int m_anciennombacglino = 0; // how many there were at the previous count
};
