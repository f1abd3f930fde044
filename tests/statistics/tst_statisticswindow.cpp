// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window after a known game: its table and test lines, the clipboard, the
// order of the chart, its tooltips, its axis in the language's format, and saving the chart.
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "statistics/NumbersChart.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QClipboard>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

// Three reds, zero, six more reds: every even chance and every row get a different count, and
// the runs break at zero. Rebuilt from scratch, nothing of an earlier list stays.
StatisticsModel knownGame()
{
    StatisticsModel model;
    model.rebuild({5, 5, 5});
    model.rebuild({7, 18, 7, 0, 32, 9, 14, 7, 21, 36});
    return model;
}

QStringList horizontalCategories(const NumbersChart* chart)
{
    return qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).first())->categories();
}

} // namespace

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Language::install(*QCoreApplication::instance(), Language::Choice::French); }

    void init()
    {
        m_board = std::make_unique<QWidget>();
        m_window = new StatisticsWindow(m_board.get());
        m_window->refresh(StatisticsModel()); // an empty game first: only what changed is rewritten
        m_window->refresh(knownGame());
    }

    // Every row of the table, worked out by hand from the known game (the longest runs: six reds,
    // none black, the runs breaking at zero), the test's two lines, and the whole of it copied.
    void tableAndCopy()
    {
        const QStringList rows{"Rouge\t9\t4,9\t+2,6\t0,0089\t6\t2", "Noir\t0\t4,9\t−3,1\t0,0021\t0\t2",
            "Zéro\t1\t0,3\t+1,4\t0,15\t\t", "Pair\t4\t4,9\t−0,5\t0,58\t1\t2",
            "Impair\t5\t4,9\t+0,1\t0,93\t2\t2", "Manque (1 à 18)\t6\t4,9\t+0,7\t0,47\t3\t2",
            "Passe (19 à 36)\t3\t4,9\t−1,2\t0,24\t2\t2", "1re douzaine (1 à 12)\t4\t3,2\t+0,5\t0,61\t\t",
            "2e douzaine (13 à 24)\t3\t3,2\t−0,2\t0,87\t\t", "3e douzaine (25 à 36)\t2\t3,2\t−0,8\t0,40\t\t",
            "1re colonne (1, 4 … 34)\t3\t3,2\t−0,2\t0,87\t\t",
            "2e colonne (2, 5 … 35)\t2\t3,2\t−0,8\t0,40\t\t",
            "3e colonne (3, 6 … 36)\t4\t3,2\t+0,5\t0,61\t\t", "Voisins du zéro\t7\t4,6\t+1,5\t0,13\t\t",
            "Tiers du cylindre\t1\t3,2\t−1,5\t0,13\t\t", "Orphelins\t2\t2,2\t−0,1\t0,90\t\t"};
        const auto* chances = control<QTableWidget>(m_window, QStringLiteral("Chances"));
        QStringList shown;
        for (int row = 0; row < chances->rowCount(); ++row) {
            QStringList cells{chances->verticalHeaderItem(row)->text()};
            for (int column = 0; column < chances->columnCount(); ++column) {
                cells << chances->item(row, column)->text();
            }
            shown << cells.join(QLatin1Char('\t'));
        }
        QCOMPARE(shown, rows);
        // A window of its own, above the board like the other side windows.
        QVERIFY(m_window->isWindow() && m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Statistiques"));
        const QString chiSquare = QStringLiteral("χ² = 49,2 pour 36 degrés de liberté, sur 10 tirages");
        const QString verdict
            = QStringLiteral("Pas encore assez de tirages pour juger la roue : 10 sur au moins 185.");
        QCOMPARE(control<QLabel>(m_window, QStringLiteral("ChiSquare"))->text(), chiSquare);
        QCOMPARE(control<QLabel>(m_window, QStringLiteral("Verdict"))->text(), verdict);

        QGuiApplication::clipboard()->clear();
        QTest::mouseClick(control<QPushButton>(m_window, QStringLiteral("Copy")), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QStringLiteral("Chance\tObservé\tAttendu\tÉcart (σ)\tp\tPlus longue série\tSérie habituelle\n")
                + rows.join(QLatin1Char('\n')) + QStringLiteral("\n\n") + chiSquare + QLatin1Char('\n')
                + verdict + QLatin1Char('\n'));
    }

    // The wheel's order by default; the table's on the player's choice, bars, tooltips and the
    // description for screen readers following.
    void order()
    {
        auto* chart = control<NumbersChart>(m_window, QStringLiteral("NumbersChart"));
        QCOMPARE(horizontalCategories(chart).mid(0, 4), (QStringList{"0", "32", "15", "19"}));
        QCOMPARE(chart->tipAt(1),
            QStringLiteral("Numéro 32 : 1 sortie pour 0,3 attendue, absent depuis 5 tirages"));
        QVERIFY(chart->accessibleDescription().contains(
            QStringLiteral("dans l'ordre de la roue : 0 : 1 ; 32 : 1 ; 15 : 0")));

        QTest::mouseClick(control<QRadioButton>(m_window, QStringLiteral("TableOrder")), Qt::LeftButton);
        QCOMPARE(horizontalCategories(chart).mid(0, 4), (QStringList{"0", "1", "2", "3"}));
        QCOMPARE(chart->tipAt(1), QStringLiteral("Numéro 1 : 0 sortie pour 0,3 attendue, pas encore sorti"));
        QCOMPARE(chart->tipAt(21),
            QStringLiteral("Numéro 21 : 1 sortie pour 0,3 attendue, absent depuis 1 tirage"));
        QVERIFY(chart->accessibleDescription().contains(
            QStringLiteral("du tableau (0 à 36) : 0 : 1 ; 1 : 0 ; 2 : 0")));
        const auto* bars = qobject_cast<QAbstractBarSeries*>(chart->chart()->series().at(1));
        QCOMPARE(bars->barSets().at(1)->at(7), 3.0); // the red set holds 7's three hits at place 7
        QCOMPARE(bars->barSets().at(2)->at(7), 0.0);

        QTest::mouseClick(control<QRadioButton>(m_window, QStringLiteral("WheelOrder")), Qt::LeftButton);
        QCOMPARE(chart->numberAt(36), 26);
        QCOMPARE(bars->barSets().at(1)->at(7), 0.0); // 25 stands there now, never drawn

        // A game rebuilt to as many draws, but other ones: every figure follows the new list.
        StatisticsModel other;
        other.rebuild(std::vector<std::uint8_t>(10, 25));
        m_window->refresh(other);
        QCOMPARE(bars->barSets().at(1)->at(7), 10.0);
        QCOMPARE(chart->tipAt(7),
            QStringLiteral("Numéro 25 : 10 sorties pour 0,3 attendue, sorti au dernier tirage"));
    }

    void saveImage()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("statistiques.png"));
        QVERIFY(m_window->saveImage(path));
        QImage saved(path, "PNG");
        QVERIFY(!saved.isNull());
        QVERIFY(saved.width() >= control<NumbersChart>(m_window, QStringLiteral("NumbersChart"))->width());

        MessageBox::setNextAnswer(MessageBox::Ok);
        QVERIFY(!m_window->saveImage(folder.filePath(QStringLiteral("absent/statistiques.png"))));
        MessageBox::clearNextAnswer();
    }

    // The hits axis counts as the program's language writes numbers: "1 000" in French.
    void hitsAxisInTheLanguagesFormat()
    {
        StatisticsWindow window(m_board.get());
        StatisticsModel model;
        model.rebuild(std::vector<std::uint8_t>(1200, 7));
        window.refresh(model);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QString shown; // the chart draws the group separator as a space of its own
        for (const QGraphicsItem* item : window.findChild<NumbersChart*>()->scene()->items()) {
            const auto* text = dynamic_cast<const QGraphicsTextItem*>(item);
            shown += text ? text->toPlainText() + u'|' : QString();
        }
        QVERIFY2(shown.contains(QRegularExpression(QStringLiteral("\\|1\\s000\\|"))), qPrintable(shown));
    }

private:
    std::unique_ptr<QWidget> m_board;
    StatisticsWindow* m_window = nullptr;
};

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
