// SPDX-License-Identifier: GPL-3.0-or-later
// What a game must show, worked out again from its draws in the plainest way, in the terms
// the player reads: marks as the trend windows write them ("-", "+", "I", "P", "R", "N",
// "0" for a green zero, "" for nothing), dozens and columns as digits. Model and window tests
// share it for long random games.
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <vector>

class GameOracle
{
public:
    struct Pair
    {
        std::array<QString, 20> cells; // oldest first
        QString suggestion;
        int run = 0;
        int alternation = 0;
        int adviceLength = 0; // the caption's run or alternation, 0 without advice
        bool blinking = false;
        std::array<int, 4> counts{}; // repetition >4, >5, alternation >4, >5
        std::array<int, 4> warnings{}; // 0 none, 1 orange, 2 red
    };

    GameOracle() = default;
    explicit GameOracle(const std::vector<int>& numbers)
    {
        for (const int n : numbers) {
            add(n);
        }
    }

    static QString markOf(int pair, int n)
    {
        static const int reds[] = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
        if (n == 0) {
            return pair == 0 ? QStringLiteral("0") : QString();
        }
        if (pair == 0) {
            return std::find(std::begin(reds), std::end(reds), n) != std::end(reds) ? QStringLiteral("R")
                                                                                    : QStringLiteral("N");
        }
        if (pair == 1) {
            return n <= 18 ? QStringLiteral("-") : QStringLiteral("+");
        }
        return n % 2 == 1 ? QStringLiteral("I") : QStringLiteral("P");
    }

    // Following every advice, counted in halves of a unit (a partage loses half a stake) and
    // the expected result in 74ths: the even chances, dozens, columns, numbers, all of them,
    // and the even chances with the progression 1, 3, 7 … 127.
    struct Account
    {
        long long bets = 0, stakes = 0, won = 0, halves = 0, expected74 = 0, highest = 0, worstFall = 0;
        int losing = 0, longestLosing = 0;
    };
    std::array<Account, 6> accounts;
    std::array<int, 3> progression{}; // the step each pair is at, 0 to 6
    long long largestStake = 0;

    void bet(int row, long long stake, long long halves, long long expected74)
    {
        for (const int kept : {row, row == 5 ? 5 : 4}) {
            Account& a = accounts[static_cast<std::size_t>(kept)];
            a.bets += 1;
            a.stakes += stake;
            a.won += halves > 0 ? 1 : 0;
            a.halves += halves;
            a.expected74 += expected74;
            a.losing = halves < 0 ? a.losing + 1 : 0;
            a.longestLosing = std::max(a.longestLosing, a.losing);
            a.highest = std::max(a.highest, a.halves);
            a.worstFall = std::max(a.worstFall, a.highest - a.halves);
            if (row == 5) {
                break;
            }
        }
    }

    // The advice shown after the last draw, played on `n`.
    void playAdvice(int n)
    {
        for (int p = 0; p < 3 && !draws.empty(); ++p) {
            const Pair& pair = pairs[static_cast<std::size_t>(p)];
            if (!pair.blinking || other(pair.suggestion).isEmpty()) {
                continue;
            }
            const bool won = markOf(p, n) == pair.suggestion;
            const long long halves = won ? 2 : (n == 0 ? -1 : -2);
            bet(0, 1, halves, -1);
            int& step = progression[static_cast<std::size_t>(p)];
            const long long stake = (1LL << (step + 1)) - 1;
            largestStake = std::max(largestStake, stake);
            bet(5, stake, halves * stake, -stake);
            step = won || step == 6 ? 0 : step + 1;
        }
        const int last = draws.empty() ? 0 : draws.back();
        if (dozensBlink) {
            bet(1, 2, n != 0 && (n - 1) / 12 != (last - 1) / 12 ? 2 : -4, -4);
        }
        if (columnsBlink) {
            bet(2, 2, n != 0 && (n - 1) % 3 != (last - 1) % 3 ? 2 : -4, -4);
        }
        const long long k = static_cast<long long>(candidates.size());
        if (k > 0) {
            const bool won = std::find(candidates.begin(), candidates.end(), n) != candidates.end();
            bet(3, k, won ? 2 * (36 - k) : -2 * k, -2 * k);
        }
    }

    void add(int n)
    {
        playAdvice(n);
        const int levelBefore = *std::min_element(hits.begin(), hits.end());
        draws.push_back(n);
        ++hits[static_cast<std::size_t>(n)];
        level = *std::min_element(hits.begin(), hits.end());
        levelCount = level > levelBefore ? 0 : static_cast<int>(std::count(hits.begin(), hits.end(), level));
        shownLevelCount = levelCount > 0 ? levelCount : shownLevelCount;
        candidates.clear();
        if (levelCount >= 1 && levelCount <= 10) {
            for (int m = 0; m < 37; ++m) {
                if (hits[static_cast<std::size_t>(m)] == level) {
                    candidates.push_back(m);
                }
            }
        }
        countWaiting(levelBefore);
        for (int p = 0; p < 3; ++p) {
            trackPair(p);
        }
        dozensBlink = runOfThree([](int m) { return (m - 1) / 12 + 1; });
        columnsBlink = runOfThree([](int m) { return (m - 1) % 3 + 1; });
    }

    // The digit a dozen or column square shows for the draw `age` entries back; "" for a zero
    // or a square never filled.
    QString dozenSquare(int age, bool columns) const
    {
        const int n = drawn(age);
        if (n <= 0) {
            return {};
        }
        return QString::number(columns ? (n - 1) % 3 + 1 : (n - 1) / 12 + 1);
    }

    // The number `age` entries back, -1 before the game.
    int drawn(int age) const
    {
        const auto at = static_cast<long>(draws.size()) - 1 - age;
        return at >= 0 ? draws[static_cast<std::size_t>(at)] : -1;
    }

    // What spoken advice reads after the latest entry.
    QStringList spoken() const
    {
        QStringList said;
        const char* sides[3][2] = {{"R", "N"}, {"-", "+"}, {"I", "P"}};
        const char* words[3][2] = {{"ROUGE", "NOIR"}, {"de 1 , a 18", "de 19 , a 36"}, {"IMPAIRE", "PAIRE"}};
        for (int p = 0; p < 3; ++p) {
            const Pair& pair = pairs[static_cast<std::size_t>(p)];
            for (int side = 0; side < 2 && pair.blinking; ++side) {
                if (pair.suggestion == QLatin1String(sides[p][side])) {
                    said << QString::fromLatin1(words[p][side]);
                }
            }
        }
        if (columnsBlink) {
            said << QStringLiteral("colonnes");
        }
        if (dozensBlink) {
            said << QStringLiteral("douzaines");
        }
        if (waiting == 2) {
            said << QStringLiteral("clignotants");
        }
        return said;
    }

    std::vector<int> draws;
    std::array<int, 37> hits{};
    int level = 0;
    int levelCount = 0;
    int shownLevelCount = 0;
    std::vector<int> candidates;
    int waited = 0;
    int waiting = 0; // 0 green, 1 orange, 2 red
    std::array<Pair, 3> pairs;
    bool dozensBlink = false;
    bool columnsBlink = false;

private:
    // A cell as the window shows it: a zero and a cell never written look alike in the text
    // windows (both empty); the colour window shows the zero in green.
    QString cell(int pair, int age) const
    {
        const int n = drawn(age);
        return n < 0 ? QString() : markOf(pair, n);
    }

    static QString other(const QString& side)
    {
        static const QStringList sides = {QStringLiteral("R"), QStringLiteral("N"), QStringLiteral("-"),
            QStringLiteral("+"), QStringLiteral("I"), QStringLiteral("P")};
        const int at = static_cast<int>(sides.indexOf(side));
        return at < 0 ? QString() : sides[at ^ 1];
    }

    void trackPair(int p)
    {
        Pair& pair = pairs[static_cast<std::size_t>(p)];
        for (int i = 0; i < 20; ++i) {
            pair.cells[static_cast<std::size_t>(i)] = cell(p, 19 - i);
        }
        const QString newest = cell(p, 0);
        const bool newestIsSide = !other(newest).isEmpty();
        pair.run = 1;
        while (pair.run < 20 && cell(p, pair.run) == newest) {
            ++pair.run;
        }
        // The colour window expects nothing after a zero; the others expect emptiness.
        pair.alternation = 0;
        if (newestIsSide || p != 0) {
            QString expected = newestIsSide ? other(newest) : QString();
            while (pair.alternation < 19 && cell(p, pair.alternation + 1) == expected) {
                ++pair.alternation;
                expected = newestIsSide ? other(expected) : QString();
            }
        }
        pair.adviceLength = pair.alternation >= 4 ? pair.alternation : (pair.run >= 4 ? pair.run : 0);
        if (pair.alternation >= 4) {
            pair.suggestion = newest;
        } else if (pair.run >= 4 && newestIsSide) {
            pair.suggestion = other(newest);
        }
        pair.blinking = pair.adviceLength > 0;

        // Each counter: nothing before the first long run; two at it; then one more per
        // entry, back to one at every later long run.
        const int lengths[4] = {pair.run, pair.run, pair.alternation, pair.alternation};
        const int over[4] = {4, 5, 4, 5};
        const int orange[4] = {29, 50, 29, 50};
        const int red[4] = {44, 76, 44, 76};
        for (std::size_t k = 0; k < 4; ++k) {
            auto& longRuns = m_longRuns[static_cast<std::size_t>(p)][k];
            if (lengths[k] > over[k]) {
                longRuns.push_back(static_cast<int>(draws.size()));
            }
            int& count = pair.counts[k];
            if (longRuns.empty()) {
                count = 0;
            } else if (longRuns.size() == 1) {
                count = 2 + static_cast<int>(draws.size()) - longRuns.front();
            } else {
                count = 1 + static_cast<int>(draws.size()) - longRuns.back();
            }
            pair.warnings[k] = count > red[k] ? 2 : (count > orange[k] ? 1 : 0);
        }
    }

    template<typename Group>
    bool runOfThree(Group group) const
    {
        const int n = draws.back();
        if (n == 0 || draws.size() < 3) {
            return false;
        }
        return drawn(1) > 0 && drawn(2) > 0 && group(drawn(1)) == group(n) && group(drawn(2)) == group(n);
    }

    // How long the candidates have waited: entries in which as many were found as at the
    // count before (ten before any count); the rise of the level starts again from green.
    void countWaiting(int levelBefore)
    {
        if (level > levelBefore) {
            waited = 0;
            waiting = 0;
        }
        if (candidates.empty()) {
            return;
        }
        const int found = static_cast<int>(candidates.size());
        if (found != m_previousCount) {
            m_previousCount = found;
            waited = 0;
            waiting = 0;
            return;
        }
        ++waited;
        // About 36 entries shared among the candidates before orange; twice that before red.
        const int orange[11] = {0, 36, 18, 12, 9, 7, 6, 6, 5, 4, 3};
        if (waited > 2 * orange[found]) {
            waiting = 2;
        } else if (waited >= orange[found]) {
            waiting = 1;
        }
    }

    int m_previousCount = 10;
    std::array<std::array<std::vector<int>, 4>, 3> m_longRuns;
};
