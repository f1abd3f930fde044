// SPDX-License-Identifier: GPL-3.0-or-later
// A game session without any window: long random games of entries, refusals, undos, lists
// and new games against the oracle of the draws left, spoken advice and the account of the
// advice included; the journal on disk; a game left unfinished taken up again; one question
// at a time. (A game that cannot be written is with the games' own tests.)
#include "board/GameSession.h"
#include "support/TableAgreement.h"

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

// The session's table against the oracle of the draws left, and the blinks it runs.
void agreeWithDraws(const GameSession& session, const GameOracle& oracle)
{
    QCOMPARE(session.table().draws(), std::vector<std::uint8_t>(oracle.draws.begin(), oracle.draws.end()));
    if (!oracle.draws.empty()) {
        agreeWithTheOracle(session.table(), oracle, static_cast<int>(oracle.draws.size()));
    }
    for (int blink = 0; blink < BlinkTimerCount; ++blink) {
        const auto which = static_cast<BlinkTimer>(blink);
        QCOMPARE(session.blinkTimers().isRunning(which), session.table().isBlinking(which));
    }
}

std::vector<int> journalOf(const GameSession& session)
{
    std::vector<int> numbers;
    for (const Draw& draw : readJournal(session.journal()->path()).game.draws) {
        numbers.push_back(draw.number);
    }
    return numbers;
}

} // namespace

class TestGameSession : public QObject
{
    Q_OBJECT

private slots:
    // Numbers from a few only give long runs, alternations, waits and counters at red; zeros
    // often give the zero's cases. New games are rare: counters need long games.
    void randomFlowsAgreeWithTheOracle_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("steps");
        QList<int> all;
        for (int n = 0; n <= 36; ++n) {
            all << n;
        }
        QTest::addRow("whole wheel") << 20261206u << all << 3000;
        QTest::addRow("few numbers, many zeros") << 7u << QList<int>{0, 0, 1, 2, 13, 19, 20, 36} << 2000;
        QTest::addRow("red and black") << 99u << QList<int>{1, 2, 3, 4, 0} << 1500;
    }

    // Entries, refusals, undos, lists and new games in random order, with spoken advice on; after
    // each, the table agrees with the oracle of the draws left and the journal holds them. Then
    // the program is gone without ending its game, and the game comes back whole.
    void randomFlowsAgreeWithTheOracle()
    {
        QFETCH(quint32, seed);
        QFETCH(QList<int>, numbers);
        QFETCH(int, steps);
        QTemporaryDir folder;
        std::mt19937 random(seed);
        const auto drawn = [&] { return numbers[static_cast<int>(random() % numbers.size())]; };
        std::vector<int> draws;
        {
            GameLibrary games(folder.path());
            GameSession session;
            session.keepGamesIn(games);
            session.setBlinkTimers(std::make_unique<HandBlinks>());
            session.toggleSpeech();
            // While a question is open, no other entry nor undo starts: none reaches the asker.
            bool answer = true;
            bool asking = false;
            int askedWhileAsking = 0;
            session.setAsker([&](GameSession::Question, int) {
                if (asking) {
                    return ++askedWhileAsking < 0;
                }
                asking = true;
                session.confirmAndEnter(9);
                session.undoLastNumber();
                asking = false;
                return answer;
            });
            GameOracle oracle;
            long long largestStake = 0; // a progression went up to its last stake
            std::array<bool, AdviceAccount::RowCount> played{}; // each kind of bet was played
            for (int step = 0; step < steps; ++step) {
                const auto choice = random() % 1000;
                answer = random() % 8 != 0;
                if (choice < 750) {
                    const int n = drawn();
                    QCOMPARE(session.confirmAndEnter(n), answer);
                    if (answer) {
                        draws.push_back(n);
                        oracle.add(n);
                        const QStringList said = session.table().spokenPhrases();
                        const QStringList keys = oracle.spoken();
                        QVERIFY2(said.size() == keys.size(), QByteArray::number(step));
                        for (int i = 0; i < said.size(); ++i) {
                            QVERIFY2(said[i].contains(keys[i]), qPrintable(said[i] + " / " + keys[i]));
                        }
                    }
                } else {
                    if (choice < 900) {
                        QCOMPARE(session.undoLastNumber(), answer && !draws.empty());
                        if (answer && !draws.empty()) {
                            draws.pop_back();
                        }
                    } else if (choice < 997) {
                        QVector<int> list{37, -1}; // off the wheel: skipped
                        for (auto length = random() % 40; length > 0; --length) {
                            list.append(drawn());
                            draws.push_back(list.back());
                        }
                        session.enterNumbers(list);
                    } else {
                        session.newGame();
                        draws.clear();
                    }
                    oracle = GameOracle(draws);
                }
                agreeWithDraws(session, oracle);
                QVERIFY(!QTest::currentTestFailed());
                largestStake = std::max(largestStake, oracle.largestStake);
                for (std::size_t row = 0; row < played.size(); ++row) {
                    played[row] = played[row] || oracle.accounts[row].bets > 0;
                }
                const auto blink = static_cast<BlinkTimer>(random() % BlinkTimerCount);
                if (session.blinkTimers().isRunning(blink)) {
                    session.blinkTick(blink);
                }
                if (step % 50 == 0 && !draws.empty()) {
                    QCoreApplication::processEvents(); // the confirmed numbers are written
                    QCOMPARE(journalOf(session), draws);
                }
            }
            QCoreApplication::processEvents();
            QCOMPARE(askedWhileAsking, 0);
            // Numbers to play need the whole wheel: with a few numbers, most are never drawn.
            QVERIFY(largestStake == 127 && played[3] == (numbers.size() == 37)
                && std::count(played.begin(), played.end(), true) >= 5);
        } // gone: the game is left unfinished

        GameLibrary games(folder.path());
        GameSession session;
        session.keepGamesIn(games);
        const std::optional<GameSummary> interrupted = games.archive().findInterrupted();
        QVERIFY(interrupted && interrupted->drawCount == static_cast<int>(draws.size()));
        QVERIFY(session.resume(*interrupted).done());
        agreeWithDraws(session, GameOracle(draws));
        session.end(); // to the previous games, no longer interrupted
        QVERIFY(!games.archive().findInterrupted());
    }
};

QTEST_GUILESS_MAIN(TestGameSession)
#include "tst_gamesession.moc"
