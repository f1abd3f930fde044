// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics without their window, against known values: the test of the wheel and its
// verdict, the rows said in words, the band, the sectors, the law of the longest run, the
// price of playing, what following the advice cost in one sentence.
#include "platform/Language.h"
#include "statistics/AdviceAccountWords.h"
#include "statistics/StatisticsModel.h"
#include "statistics/StatisticsWords.h"

#include <QTest>
#include <cmath>

using Chance = StatisticsModel::Chance;
using Verdict = StatisticsModel::Verdict;
Q_DECLARE_METATYPE(Chance)
Q_DECLARE_METATYPE(Verdict)
using Extra = QList<QPair<int, int>>; // numbers drawn more often, and how many times more

class TestStatisticsModel : public QObject
{
    Q_OBJECT

private slots:
    // French, with its plural forms; English in the rows named so.
    void init()
    {
        Language::install(*QCoreApplication::instance(),
            QByteArray(QTest::currentDataTag()).startsWith("English") ? Language::Choice::English
                                                                      : Language::Choice::French);
    }

    // Reference values of the chi-square distribution with 36 degrees of freedom.
    void pValue_data()
    {
        QTest::addColumn<double>("chiSquare");
        QTest::addColumn<double>("p");
        QTest::addRow("36.0") << 36.0 << 0.468648;
        QTest::addRow("51.0") << 51.0 << 0.049985;
        QTest::addRow("58.62") << 58.62 << 0.009998;
        QTest::addRow("zero") << 0.0 << 1.0;
    }

    void pValue()
    {
        QFETCH(double, chiSquare);
        QFETCH(double, p);
        QVERIFY2(std::abs(StatisticsModel::pValueOf(chiSquare) - p) < 1e-6,
            qPrintable(QString::number(StatisticsModel::pValueOf(chiSquare), 'g', 9)));
    }

    void verdict_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<double>("p");
        QTest::addColumn<Verdict>("verdict");
        QTest::addColumn<QString>("text");
        const QString unusual = QStringLiteral(
            "Écart inhabituel (%1) : à confirmer sur des milliers de tirages avant d'y croire.");
        const QString fair = QStringLiteral("Rien d'anormal : ces écarts sont ceux du hasard (%1).");
        QTest::addRow("184 draws, tiny p")
            << 184 << 1e-9 << Verdict::NotEnoughDraws
            << "Pas encore assez de tirages pour juger la roue : 184 sur au moins 185.";
        QTest::addRow("0.42") << 400 << 0.42 << Verdict::NothingAbnormal << fair.arg("p = 0,42");
        QTest::addRow("0.01 exactly") << 185 << 0.01 << Verdict::NothingAbnormal << fair.arg("p = 0,010");
        QTest::addRow("just below 0.01")
            << 185 << StatisticsModel::pValueOf(58.65) << Verdict::Unusual << unusual.arg("p = 0,0099");
        QTest::addRow("rounds to 0.010") << 185 << 0.00996 << Verdict::Unusual << unusual.arg("p = 0,0099");
        QTest::addRow("rounds up a decade")
            << 185 << 0.0996 << Verdict::NothingAbnormal << fair.arg("p = 0,10");
        QTest::addRow("one") << 185 << 1.0 << Verdict::NothingAbnormal << fair.arg("p = 1,0");
        QTest::addRow("0.0001") << 185 << 0.0001 << Verdict::Unusual << unusual.arg("p = 0,00010");
        QTest::addRow("below 0.0001") << 185 << 0.000099 << Verdict::Unusual << unusual.arg("p < 0,0001");
        QTest::addRow("English, 120 draws")
            << 120 << 0.5 << Verdict::NotEnoughDraws
            << "Not enough draws yet to judge the wheel: 120 of at least 185.";
        QTest::addRow("English, 0.42")
            << 400 << 0.42 << Verdict::NothingAbnormal
            << "Nothing abnormal: these deviations are those of chance (p = 0.42).";
        QTest::addRow("English, 0.0041")
            << 400 << 0.0041 << Verdict::Unusual
            << "Unusual deviation (p = 0.0041): confirm it over thousands of draws before believing it.";
    }

    void verdict()
    {
        QFETCH(int, draws);
        QFETCH(double, p);
        QFETCH(Verdict, verdict);
        QFETCH(QString, text);
        QCOMPARE(StatisticsModel::verdictOf(draws, p), verdict);
        QCOMPARE(StatisticsWords::verdict(verdict, draws, p), text);
    }

    // The test's first line, its count grouped and agreed as the row's language writes it.
    void chiSquareLine_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("line");
        QTest::addRow("grouped") << 100000 << "χ² = 41,3 pour 36 degrés de liberté, sur 100\u202f000 tirages";
        QTest::addRow("English") << 400 << "χ² = 41.3 for 36 degrees of freedom, over 400 draws";
    }

    void chiSquareLine()
    {
        QFETCH(int, draws);
        QTEST(StatisticsWords::chiSquareLine(41.3, draws), "line");
    }

    // Games made of `base` draws of every number and some more of a few: the rows chance
    // hardly explains once Holm's correction counts the sixteen rows, most unusual first.
    void unusualChances_data()
    {
        QTest::addColumn<int>("base");
        QTest::addColumn<Extra>("extra");
        QTest::addColumn<QStringList>("lines");
        const QString line = QStringLiteral("%1 : %2\u00a0σ (%3 ; %4 compte tenu des 16 lignes) : écart "
                                            "inhabituel, à confirmer sur d'autres tirages.");
        QTest::addRow("fair") << 100 << Extra{} << QStringList();
        QTest::addRow("too few draws to judge") << 4 << Extra{{0, 36}} << QStringList();
        QTest::addRow("one row") << 100 << Extra{{2, 80}, {4, 80}}
                                 << QStringList{
                                        line.arg("1re douzaine (1 à 12)", "+3,7", "p = 0,00020", "0,0032")};
        QTest::addRow("both below the floor")
            << 50 << Extra{{0, 40}} << QStringList{line.arg("Zéro", "+5,5", "p < 0,0001", "< 0,0001")};
        QTest::addRow("ties keep the table's order")
            << 100 << Extra{{0, 40}, {2, 70}, {4, 70}, {6, 40}}
            << QStringList{line.arg("1re douzaine (1 à 12)", "+3,7", "p = 0,00021", "0,0034"),
                   line.arg("Rouge", "−3,4", "p = 0,00063", "0,0094"),
                   line.arg("Impair", "−3,4", "p = 0,00063", "0,0094"),
                   line.arg("Passe (19 à 36)", "−3,4", "p = 0,00063", "0,0094"),
                   line.arg("Zéro", "+3,4", "p = 0,00080", "0,0096")};
    }

    void unusualChances()
    {
        QFETCH(int, base);
        QFETCH(Extra, extra);
        QFETCH(QStringList, lines);
        StatisticsModel model;
        for (int number = 0; number < Roulette::NumberCount; ++number) {
            for (int draw = 0; draw < base; ++draw) {
                model.add(number);
            }
        }
        for (const auto& [number, more] : extra) {
            for (int draw = 0; draw < more; ++draw) {
                model.add(number);
            }
        }
        QCOMPARE(StatisticsWords::unusualChances(model), lines);
    }

    // Rouge advised after every draw, then `reds` reds, `blacks` blacks and `zeros` zeros: the
    // account of all the advice in one sentence, its figures worked out by hand.
    void adviceAccountVerdict_data()
    {
        QTest::addColumn<int>("reds");
        QTest::addColumn<int>("blacks");
        QTest::addColumn<int>("zeros");
        QTest::addColumn<QString>("verdict");
        const QString start = QStringLiteral("Sur %1 tirages, suivre les conseils aurait ");
        const QString chance = QStringLiteral("σ, celui du hasard.");
        const QString unusual
            = QStringLiteral(", inhabituel (%1) : à confirmer sur d'autres tirages avant d'y croire.");
        QTest::addRow("nothing played")
            << 0 << 0 << 0 << "Sur 1 tirage, aucun conseil n'a encore été suivi : rien n'a été misé.";
        QTest::addRow("cost") << 4 << 6 << 0
                              << start.arg(11)
                + "coûté 20,0\u00a0% des mises (attendu : 1,4\u00a0%) : un écart de "
                  "−0,6\u00a0"
                + chance;
        QTest::addRow("gain, a partage") << 7 << 2 << 1
                                         << start.arg(11)
                + "rapporté 45,0\u00a0% des mises (attendu : −1,4\u00a0%) : "
                  "un écart de +1,5\u00a0"
                + chance;
        QTest::addRow("unusual gain") << 30 << 10 << 0
                                      << start.arg(41)
                + "rapporté 50,0\u00a0% des mises (attendu : −1,4\u00a0%) : "
                  "un écart de +3,3\u00a0σ"
                + unusual.arg("p = 0,0010");
        QTest::addRow("unusual cost") << 5 << 35 << 0
                                      << start.arg(41)
                + "coûté 75,0\u00a0% des mises (attendu : 1,4\u00a0%) : un écart "
                  "de −4,7\u00a0σ"
                + unusual.arg("p < 0,0001");
    }

    void adviceAccountVerdict()
    {
        QFETCH(int, reds);
        QFETCH(int, blacks);
        QFETCH(int, zeros);
        AdviceAccount::Advice rouge;
        rouge.evenChances[0] = Chance::Rouge;
        AdviceAccount account;
        account.add(1, rouge);
        for (const auto& [number, times] : {std::pair{1, reds}, std::pair{2, blacks}, std::pair{0, zeros}}) {
            for (int draw = 0; draw < times; ++draw) {
                account.add(number, rouge);
            }
        }
        QTEST(AdviceAccountWords::verdict(account), "verdict");
    }

    // The smallest counts whose cumulative binomial chance (p = 1/37) reaches 2.5 % and 97.5 %,
    // summed exactly in high precision.
    void band_data()
    {
        QTest::addColumn<int>("draws");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addRow("1") << 1 << 0 << 1;
        QTest::addRow("37") << 37 << 0 << 3;
        QTest::addRow("184") << 184 << 1 << 10;
        QTest::addRow("370") << 370 << 4 << 17;
        QTest::addRow("2000") << 2000 << 40 << 69;
        QTest::addRow("100000") << 100000 << 2603 << 2804;
    }

    // Drawn one at a time and asked after each draw, or rebuilt at once: the same band.
    void band()
    {
        QFETCH(int, draws);
        QFETCH(int, low);
        QFETCH(int, high);
        StatisticsModel stepped;
        for (int draw = 0; draw < draws; ++draw) {
            stepped.add(draw % Roulette::NumberCount);
            stepped.band();
        }
        StatisticsModel rebuilt;
        rebuilt.rebuild(std::vector<std::uint8_t>(static_cast<std::size_t>(draws), 17));
        for (const StatisticsModel* model : {&stepped, &rebuilt}) {
            QCOMPARE(model->band().low, low);
            QCOMPARE(model->band().high, high);
        }
    }

    void sectors_data()
    {
        QTest::addColumn<Chance>("sector");
        QTest::addColumn<QList<int>>("members");
        QTest::addRow("voisins du zéro")
            << Chance::VoisinsDuZero
            << QList<int>{22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25};
        QTest::addRow("tiers du cylindre")
            << Chance::TiersDuCylindre << QList<int>{27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33};
        QTest::addRow("orphelins") << Chance::Orphelins << QList<int>{1, 20, 14, 31, 9, 17, 34, 6};
    }

    void sectors()
    {
        QFETCH(Chance, sector);
        QFETCH(QList<int>, members);
        for (int number = 0; number < Roulette::NumberCount; ++number) {
            QCOMPARE(StatisticsModel::contains(sector, number), members.contains(number));
        }
        QCOMPARE(StatisticsModel::sizeOf(sector), members.size());
    }

    // Every game of up to twelve draws, weighed by its chance: the exact law of the longest run.
    void longestRunAgainstEveryGame()
    {
        const double p = 18.0 / 37.0;
        LongestRunDistribution law(p);
        for (int n = 1; n <= 12; ++n) {
            law.advance();
            std::vector<double> atMost(static_cast<std::size_t>(n) + 1, 0.0);
            for (unsigned game = 0; game < (1U << n); ++game) {
                int longest = 0;
                int run = 0;
                int wins = 0;
                for (int draw = 0; draw < n; ++draw) {
                    const bool won = (game >> draw) & 1U;
                    wins += won ? 1 : 0;
                    run = won ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
                const double chance = std::pow(p, wins) * std::pow(1.0 - p, n - wins);
                for (int length = longest; length <= n; ++length) {
                    atMost[static_cast<std::size_t>(length)] += chance;
                }
            }
            double mean = 0.0; // the sum of P(longest > length)
            int median = -1;
            for (int length = 0; length <= n; ++length) {
                const double below = atMost[static_cast<std::size_t>(length)];
                QVERIFY(std::abs(law.probabilityBelow(length + 1) - below) < 1e-12);
                mean += 1.0 - below;
                median = median < 0 && below >= 0.5 ? length : median;
            }
            QVERIFY(std::abs(law.mean() - mean) < 1e-12);
            QCOMPARE(law.median(), median);
        }
    }

    // Over many draws the longest run follows the extreme-value law, whose mean is
    // log(nq) / log(1/p) + γ / log(1/p) - 1/2; the usual longest run is its median.
    void longestRunOverALongGame()
    {
        const double p = 18.0 / 37.0;
        const int n = 100000;
        StatisticsModel model;
        model.rebuild(std::vector<std::uint8_t>(n, 0));
        LongestRunDistribution law(p);
        for (int draw = 0; draw < n; ++draw) {
            law.advance();
        }
        QVERIFY(std::abs(law.mean() - 15.3542) < 0.001);
        QCOMPARE(model.usualLongestRun(), law.median());
        QCOMPARE(law.median(), 15);
    }

    void priceOfPlaying()
    {
        QCOMPARE(StatisticsWords::houseEdgeLine(),
            QStringLiteral(
                "Chaque mise perd en moyenne 2,70\u00a0% de son montant (1/37), 1,35\u00a0% sur les "
                "chances simples avec le partage."));
        QCOMPARE(StatisticsWords::losingStreakLine(),
            QStringLiteral(
                "Progression du calculateur de mises : sept pertes de suite sur une chance simple arrivent "
                "dans 0,94\u00a0% des séries et coûtent 247 fois la mise de départ (1 + 3 + 7 + 15 + 31 + "
                "63 + 127)."));
        QCOMPARE(AdviceAccountWords::price(),
            QStringLiteral("À la longue, le jeu prend 2,70\u00a0% de chaque mise "
                           "(1,35\u00a0% sur les chances simples) : aucun conseil "
                           "ne change ce prix."));
    }
};

QTEST_GUILESS_MAIN(TestStatisticsModel)
#include "tst_statisticsmodel.moc"
