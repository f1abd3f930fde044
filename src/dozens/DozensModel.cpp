#include "dozens/DozensModel.h"

#include "board/BoardModel.h"
#include "board/Roulette.h"

#include <algorithm>

namespace {

// The board's blink timers that this advice runs.
constexpr int ColumnTimer = 4;
constexpr int DozenTimer = 5;
constexpr int NumberTimer = 6;

// Where the dozen boxes (Text2 to Text4) and the column boxes (Text5 to Text7) start among the
// board's six dozen and column boxes.
constexpr int FirstDozenBox = 0;
constexpr int FirstColumnBox = 3;

// Characters of the attribute code that hold the dozen and the column.
constexpr int DozenAttribute = 3;
constexpr int ColumnAttribute = 4;

} // namespace

DozensModel::AlertThresholds DozensModel::alertThresholds(int levelCount)
{
    // The fewer candidates, the longer they may wait: about 36 entries divided by their number.
    switch (levelCount) {
    case 10:
        return {3, 6};
    case 9:
        return {4, 8};
    case 8:
        return {5, 10};
    case 7:
        return {6, 12};
    case 6:
        return {6, 12};
    case 5:
        return {7, 14};
    case 4:
        return {9, 18};
    case 3:
        return {12, 24};
    case 2:
        return {18, 36};
    case 1:
        return {36, 72};
    default:
        return {};
    }
}

void DozensModel::clearIndicators()
{
    m_form5Exists = true;
    m_label5Colour = Colours::InactiveTitleBar;
    m_label6Colour = Colours::InactiveTitleBar;
}

void DozensModel::trackDozensAndColumns(BoardModel& board, int number)
{
    const QString& tag = board.cell(number).tag;

    m_label2.push(Roulette::attribute(tag, DozenAttribute));
    if (m_label2.runLength() >= AdvisedRun) {
        board.enableTimer(DozenTimer);
        m_clignodouze = m_label2.newest();
    }

    m_label1.push(Roulette::attribute(tag, ColumnAttribute));
    if (m_label1.runLength() >= AdvisedRun) {
        board.enableTimer(ColumnTimer);
        m_clignocolone = m_label1.newest();
    }
}

void DozensModel::adviseNumbers(BoardModel& board, int levelCount)
{
    if (levelCount < 1 || levelCount > MaxCandidates) {
        board.setBoardHeight(BoardModel::CollapsedHeight);
        return;
    }

    board.setBoardHeight(BoardModel::AdviceHeight);
    board.clearCandidateRow();
    startCandidateBlink(board, levelCount);

    // The numbers at the level, in increasing order from the left, each on its own colour.
    int slot = 0;
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        const NumberCell& cell = board.cell(n);
        if (cell.hitCount != board.repetitionSorti()) {
            continue;
        }
        board.setCandidate(slot, CaptionBox{cell.text, cell.backColour});
        slot = (slot + 1) % BoardModel::CandidateCount;
    }
}

void DozensModel::startCandidateBlink(BoardModel& board, int levelCount)
{
    board.enableTimer(NumberTimer);
    m_nombacglino = levelCount - 1;
    m_nombacglino2 = levelCount;
    suiviProbabiliteNumero(board);
}

// Counts the entries in which the number of candidates stayed the same, so none of them came
// out. The previous number is not forgotten when the level rises: the first count at a new
// level goes on counting when it finds as many candidates as the last count of the old one.
void DozensModel::suiviProbabiliteNumero(BoardModel& board)
{
    // Before any count, the previous number is taken as ten: a first count of ten candidates
    // is already one unchanged entry.
    if (m_anciennombacglino == 0) {
        m_anciennombacglino = MaxCandidates;
    }
    if (m_anciennombacglino == m_nombacglino2) {
        board.setCompteurProbabiliteNumero(board.compteurProbabiliteNumero() + 1);
        niveauAlerteNumero(board);
    } else {
        m_anciennombacglino = m_nombacglino2;
        board.setCompteurProbabiliteNumero(0);
        board.setLabel8Colour(Colours::Green);
    }
}

// Below the orange threshold the indicator keeps whatever colour it has.
void DozensModel::niveauAlerteNumero(BoardModel& board)
{
    const AlertThresholds thresholds = alertThresholds(m_nombacglino2);
    if (thresholds.orange == 0) {
        return;
    }
    const int waited = board.compteurProbabiliteNumero();
    if (waited >= thresholds.orange) {
        board.setLabel8Colour(Colours::Orange);
    }
    if (waited > thresholds.red) {
        board.setLabel8Colour(Colours::Red);
    }
}

void DozensModel::Timer4_Timer(BoardModel& board)
{
    blinkGroup(board, m_delaic, m_label5Colour, m_clignocolone, FirstColumnBox);
}

void DozensModel::Timer5_Timer(BoardModel& board)
{
    blinkGroup(board, m_delaid, m_label6Colour, m_clignodouze, FirstDozenBox);
}

// The candidates' numbers switch between yellow and the normal text colour. Only the slots
// the entry has just filled are read, each holding a number; a slot that held anything else
// would be passed over rather than taken for a cell.
void DozensModel::Timer6_Timer(BoardModel& board)
{
    const ColourCode colour = m_delain == 0 ? Colours::Yellow : Colours::WindowText;
    const int last = std::min(m_nombacglino, BoardModel::CandidateCount - 1);
    for (int slot = 0; slot <= last; ++slot) {
        bool isNumber = false;
        const int n = board.candidate(slot).caption.toInt(&isNumber);
        if (isNumber && Roulette::isValidNumber(n)) {
            board.setNumberForeColour(n, colour);
        }
    }
    m_delain = m_delain == 0 ? 1 : 0;
}

// One tick of the dozen or column blink. The indicator alternates red and button face; at the
// red phase the two dozens (columns) other than the repeated one turn yellow on the board,
// and stay so until the next entry. A repeated value that is no dozen or column (the empty
// value of a run of zeros) colours no box: only the indicator blinks.
void DozensModel::blinkGroup(
    BoardModel& board, int& phase, ColourCode& indicator, const QString& repeated, int firstBox)
{
    if (phase != 0) {
        indicator = Colours::ButtonFace;
        phase = 0;
        return;
    }
    indicator = Colours::Red;
    phase = 1;

    int group = 0;
    for (int candidate = 1; candidate <= 3; ++candidate) {
        if (repeated == QString::number(candidate)) {
            group = candidate;
        }
    }
    if (group == 0) {
        return;
    }
    for (int other = 1; other <= 3; ++other) {
        if (other != group) {
            board.setDozenColumnBoxColour(firstBox + other - 1, Colours::Yellow);
        }
    }
}
