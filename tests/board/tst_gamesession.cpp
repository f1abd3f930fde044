// SPDX-License-Identifier: GPL-3.0-or-later
// A game session without any window: random entries, refusals, undos, lists and new games
// against the oracle of the draws left, the journal on disk, a killed game taken up again,
// one question at a time, and a game that cannot be written.
#include "board/GameSession.h"
#include "support/TableAgreement.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <random>

namespace {

// The blinks as the session asks for them, ticked by the test's own hand.
class HandBlinks final : public BlinkTimers
{
public:
    void restart(BlinkTimer blink, bool running) override
    {
        m_running[static_cast<std::size_t>(blink)] = running;
    }
    bool isRunning(BlinkTimer blink) const override { return m_running[static_cast<std::size_t>(blink)]; }

private:
    std::array<bool, BlinkTimerCount> m_running{};
};

void agreeWithDraws(const GameSession& session, const std::vector<int>& draws)
{
    QCOMPARE(session.table().draws(), std::vector<std::uint8_t>(draws.begin(), draws.end()));
    GameOracle oracle;
    for (const int n : draws) {
        oracle.add(n);
    }
    if (!draws.empty()) {
        agreeWithTheOracle(session.table(), oracle, static_cast<int>(draws.size()));
    }
    for (int blink = 0; blink < BlinkTimerCount; ++blink) {
        const auto which = static_cast<BlinkTimer>(blink);
        QCOMPARE(session.blinkTimers().isRunning(which), session.table().isBlinking(which));
    }
}

std::vector<int> journalOf(GameSession& session)
{
    std::vector<int> numbers;
    for (const Draw& draw : readJournal(session.keptGames()->journal().path()).game.draws) {
        numbers.push_back(draw.number);
    }
    return numbers;
}

} // namespace

class TestGameSession : public QObject
{
    Q_OBJECT

private slots:
    void randomFlowsAgreeWithTheOracle()
    {
        QTemporaryDir folder;
        std::vector<int> draws;
        std::minstd_rand random(2026);
        {
            GameLibrary games(folder.path());
            GameSession session;
            session.keepGamesIn(games);
            session.setBlinkTimers(std::make_unique<HandBlinks>());
            bool answer = true;
            session.setAsker([&answer](GameSession::Question, int) { return answer; });
            for (int step = 0; step < 400; ++step) {
                const auto choice = random() % 100;
                answer = random() % 8 != 0;
                if (choice < 70) {
                    const int n = static_cast<int>(random() % 37);
                    QCOMPARE(session.confirmAndEnter(n), answer);
                    if (answer) {
                        draws.push_back(n);
                    }
                } else if (choice < 88) {
                    QCOMPARE(session.undoLastNumber(), answer && !draws.empty());
                    if (answer && !draws.empty()) {
                        draws.pop_back();
                    }
                } else if (choice < 99) {
                    QVector<int> list{37, -1}; // off the wheel: skipped
                    for (auto length = random() % 40; length > 0; --length) {
                        list.append(static_cast<int>(random() % 37));
                        draws.push_back(list.back());
                    }
                    session.enterNumbers(list);
                } else {
                    session.newGame();
                    draws.clear();
                }
                agreeWithDraws(session, draws);
                session.blinkTick(static_cast<BlinkTimer>(random() % BlinkTimerCount));
                if (step % 10 == 0 && !draws.empty()) {
                    QCoreApplication::processEvents(); // the confirmed numbers are written
                    QCOMPARE(journalOf(session), draws);
                }
            }
            QCoreApplication::processEvents();
        } // killed: the game is left unfinished

        GameLibrary games(folder.path());
        GameSession session;
        session.keepGamesIn(games);
        const std::optional<GameSummary> interrupted = session.findInterrupted();
        QVERIFY(interrupted && interrupted->drawCount == static_cast<int>(draws.size()));
        QVERIFY(session.resume(*interrupted).done());
        agreeWithDraws(session, draws);
        session.end();
        QVERIFY(!session.findInterrupted());
        const QVector<GameSummary> previous = games.archive().previousGames();
        QVERIFY(std::any_of(previous.begin(), previous.end(), [&draws](const GameSummary& game) {
            return game.endedNormally && game.drawCount == static_cast<int>(draws.size());
        }));
    }

    // While a question is open, no other entry nor undo starts.
    void oneQuestionAtATime()
    {
        GameSession session;
        session.enterNumbers({7});
        int asked = 0;
        session.setAsker([&](GameSession::Question, int) {
            ++asked;
            return !session.confirmAndEnter(9) && !session.undoLastNumber() && session.isAsking();
        });
        QVERIFY(session.confirmAndEnter(5));
        QVERIFY(session.undoLastNumber());
        QCOMPARE(asked, 2);
        QCOMPARE(session.table().draws(), std::vector<std::uint8_t>{7});
    }

    // A file stands where the games' folder should be: told once, the game goes on.
    void unwritableGameIsToldOnce()
    {
        QTemporaryDir folder;
        QFile blocker(folder.filePath(QStringLiteral("tambrel")));
        QVERIFY(blocker.open(QIODevice::WriteOnly) && blocker.write("pas un dossier") > 0);
        blocker.close();
        GameLibrary games(blocker.fileName());
        GameSession session;
        session.keepGamesIn(games);
        QSignalSpy told(&session, &GameSession::saveProblem);
        for (const int n : {12, 1, 2}) {
            QVERIFY(session.confirmAndEnter(n));
            QCoreApplication::processEvents();
        }
        QVERIFY(session.undoLastNumber());
        QCOMPARE(told.size(), 1);
        QCOMPARE(session.table().draws(), (std::vector<std::uint8_t>{12, 1}));
    }
};

QTEST_GUILESS_MAIN(TestGameSession)
#include "tst_gamesession.moc"
