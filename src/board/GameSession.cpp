// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/GameSession.h"

#include <QTimer>
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace {

// Six real timers, 500 ms apart, each ticking its own blink.
class RunningBlinkTimers final : public BlinkTimers
{
public:
    explicit RunningBlinkTimers(GameSession& session)
    {
        for (int blink = 0; blink < BlinkTimerCount; ++blink) {
            QTimer& timer = m_timers[static_cast<std::size_t>(blink)];
            timer.setInterval(GameSession::BlinkInterval);
            QObject::connect(&timer, &QTimer::timeout, &session,
                [&session, blink] { session.blinkTick(static_cast<BlinkTimer>(blink)); });
        }
    }

    void restart(BlinkTimer blink, bool running) override
    {
        QTimer& timer = m_timers[static_cast<std::size_t>(blink)];
        timer.stop();
        if (running) {
            timer.start();
        }
    }

    bool isRunning(BlinkTimer blink) const override
    {
        return m_timers[static_cast<std::size_t>(blink)].isActive();
    }

private:
    std::array<QTimer, BlinkTimerCount> m_timers;
};

std::vector<std::uint8_t> drawsOf(const GameRecord& game)
{
    std::vector<std::uint8_t> draws;
    draws.reserve(static_cast<std::size_t>(game.draws.size()));
    for (const Draw& draw : game.draws) {
        draws.push_back(static_cast<std::uint8_t>(draw.number));
    }
    return draws;
}

} // namespace

GameSession::GameSession(QObject* parent)
    : QObject(parent)
    , m_blinkTimers(std::make_unique<RunningBlinkTimers>(*this))
{ }

GameSession::~GameSession() = default;

void GameSession::setAsker(Asker asker)
{
    m_asker = std::move(asker);
}

void GameSession::setBlinkTimers(std::unique_ptr<BlinkTimers> timers)
{
    m_blinkTimers = std::move(timers);
    restartBlinks();
}

void GameSession::keepGamesIn(GameLibrary& library)
{
    keepGamesIn(library.journal(), library.archive());
}

void GameSession::keepGamesIn(GameJournal& journal, GameArchive& archive)
{
    m_journal = &journal;
    m_archive = &archive;
}

bool GameSession::ask(Question question, int number)
{
    if (!m_asker) {
        return true;
    }
    m_asking = true;
    const bool yes = m_asker(question, number);
    m_asking = false;
    return yes;
}

bool GameSession::confirmAndEnter(int number)
{
    // One question at a time: an entry asked for while another question is still open (the
    // player's own, when a simulator tick comes) is not started, rather than stacking a
    // second box on the first.
    if (!Roulette::isValidNumber(number) || m_asking) {
        return false;
    }
    if (roomLeft() <= 0) {
        emit full();
        return false;
    }
    writeConfirmedNumbers();
    if (!ask(Question::Entry, number)) {
        return false;
    }
    m_table.enter(number);
    restartBlinks();
    emit entered(number);
    journalLater({number});
    return true;
}

bool GameSession::undoLastNumber()
{
    if (m_table.drawCount() == 0 || m_asking) {
        return false;
    }
    writeConfirmedNumbers();
    if (!ask(Question::Undo, m_table.draws().back())) {
        return false;
    }
    // The draws are the truth: the table is rebuilt from them, less the last.
    std::vector<std::uint8_t> draws = m_table.draws();
    draws.pop_back();
    rebuild(draws);
    if (m_journal) {
        m_journal->recordUndo();
        tellSaveProblem();
    }
    return true;
}

namespace {

QVector<int> onTheWheel(const QVector<int>& numbers)
{
    QVector<int> kept;
    kept.reserve(numbers.size());
    std::copy_if(numbers.begin(), numbers.end(), std::back_inserter(kept), Roulette::isValidNumber);
    return kept;
}

} // namespace

bool GameSession::enterNumbers(const QVector<int>& numbers)
{
    const QVector<int> entered = onTheWheel(numbers);
    if (entered.size() > roomLeft()) {
        return false;
    }
    if (entered.isEmpty()) {
        return true;
    }
    for (const int number : entered) {
        m_table.enter(number);
    }
    restartBlinks();
    emit rebuilt();
    journalLater(entered);
    return true;
}

void GameSession::newGame()
{
    end();
    rebuild({});
}

bool GameSession::startGameWith(const QVector<int>& numbers, const Progress& progress)
{
    const QVector<int> entered = onTheWheel(numbers);
    if (entered.size() > GameRecord::MaxDraws || m_asking) {
        return false;
    }
    // While it is made, the game being played stays as it is, and no entry starts (one
    // question at a time): stopped, nothing has changed.
    m_asking = true;
    Table made;
    bool stopped = false;
    for (qsizetype done = 0; done < entered.size() && !stopped;) {
        const qsizetype end = qMin(entered.size(), done + ProgressStep);
        for (; done < end; ++done) {
            made.enter(entered[done]);
        }
        stopped = progress && !progress(static_cast<int>(done));
    }
    m_asking = false;
    if (stopped) {
        return false;
    }
    if (m_table.speaksAdvice()) {
        made.toggleSpeech();
    }
    end();
    m_table = std::move(made);
    restartBlinks();
    emit rebuilt();
    journalLater(entered);
    return true;
}

GameArchive::Outcome GameSession::resume(const GameSummary& game)
{
    writeConfirmedNumbers();
    if (!m_journal) {
        return {GameArchive::Outcome::Status::Gone, {}, 0, 0}; // no kept game to take up
    }
    const GameArchive::Outcome resumed = m_archive->resume(game, *m_journal);
    rebuild(drawsOf(m_journal->game()));
    tellSaveProblem();
    return resumed;
}

void GameSession::end()
{
    writeConfirmedNumbers();
    if (m_journal) {
        m_journal->endGame();
    }
}

void GameSession::toggleSpeech()
{
    m_table.toggleSpeech();
}

void GameSession::blinkTick(BlinkTimer blink)
{
    m_table.blinkTick(blink);
    emit blinked(blink);
}

void GameSession::rebuild(const std::vector<std::uint8_t>& draws)
{
    m_table.replay(draws);
    restartBlinks();
    emit rebuilt();
}

// Every change stops all blinking first; a blink its advice started again ticks one full
// interval later.
void GameSession::restartBlinks()
{
    for (int blink = 0; blink < BlinkTimerCount; ++blink) {
        const auto which = static_cast<BlinkTimer>(blink);
        m_blinkTimers->restart(which, m_table.isBlinking(which));
    }
}

// Confirmed numbers reach the journal once the windows show them, so that the disk never
// delays what the player waits for, and before anything else touches the game: no confirmed
// number is lost once the next entry starts.
void GameSession::journalLater(const QVector<int>& numbers)
{
    if (!m_journal) {
        return;
    }
    if (m_unwritten.isEmpty()) {
        QTimer::singleShot(0, this, [this] { writeConfirmedNumbers(); });
    }
    m_unwritten += numbers;
}

void GameSession::writeConfirmedNumbers()
{
    if (m_journal && !m_unwritten.isEmpty()) {
        m_journal->recordNumbers(std::exchange(m_unwritten, {}));
        tellSaveProblem();
    }
}

// Told once, the first time a write fails.
void GameSession::tellSaveProblem()
{
    const std::optional<DiskFailure> failure = m_journal ? m_journal->takeSaveFailure() : std::nullopt;
    if (failure) {
        emit saveProblem(*failure);
    }
}
