// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics window after a known game: its table and test lines, the clipboard, the
// order of the chart, its tooltips, and saving the chart.
#include "platform/MessageBox.h"
#include "statistics/NumbersChart.h"
#include "statistics/StatisticsWindow.h"
#include "support/Controls.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

class TestStatisticsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void table_data();
    void table();
    void testLines();
    void copy();
    void order();
    void saveImage();
    void ownWindowAboveTheBoard();

private:
    std::unique_ptr<QWidget> m_board;
    StatisticsWindow* m_window = nullptr;
};

namespace {

// The same game as the model's test: seven reds, zero, three more reds.
StatisticsModel knownGame()
{
    StatisticsModel model;
    model.rebuild({7, 18, 7, 0, 32, 9, 14, 7, 21, 36});
    return model;
}

QStringList horizontalCategories(const NumbersChart* chart)
{
    return qobject_cast<QBarCategoryAxis*>(chart->chart()->axes(Qt::Horizontal).first())->categories();
}

} // namespace

void TestStatisticsWindow::init()
{
    m_board = std::make_unique<QWidget>();
    m_window = new StatisticsWindow(m_board.get());
    m_window->refresh(StatisticsModel()); // an empty game first: only what changed is rewritten
    m_window->refresh(knownGame());
}

void TestStatisticsWindow::table_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");
    QTest::addRow("rouge") << 0 << QStringList{"9", "4,9", "+2,6", "6", "2"};
    QTest::addRow("noir") << 1 << QStringList{"0", "4,9", "−3,1", "0", "2"};
    QTest::addRow("zéro") << 2 << QStringList{"1", "0,3", "+1,4", "", ""};
    QTest::addRow("impair") << 4 << QStringList{"5", "4,9", "+0,1", "2", "2"};
    QTest::addRow("3e colonne") << 12 << QStringList{"4", "3,2", "+0,5", "", ""};
    QTest::addRow("orphelins") << 15 << QStringList{"2", "2,2", "−0,1", "", ""};
}

void TestStatisticsWindow::table()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);
    const auto* chances = control<QTableWidget>(m_window, QStringLiteral("Chances"));
    QStringList shown;
    for (int column = 0; column < chances->columnCount(); ++column) {
        shown << chances->item(row, column)->text();
    }
    QCOMPARE(shown, cells);
}

void TestStatisticsWindow::testLines()
{
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("ChiSquare"))->text(),
        QStringLiteral("χ² = 49,2 pour 36 degrés de liberté, sur 10 tirages"));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("Verdict"))->text(),
        QStringLiteral("Pas encore assez de tirages pour juger la roue : 10 sur au moins 185."));
    QCOMPARE(control<QLabel>(m_window, QStringLiteral("Beneath"))->text(),
        QStringLiteral(
            "Le numéro le plus sorti dépasse souvent la bande par hasard : seul le test de toute la roue "
            "compte."));
}

void TestStatisticsWindow::copy()
{
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(control<QPushButton>(m_window, QStringLiteral("Copy")), Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 21); // headers, 16 rows, a blank line, the test's two lines, the last end of line
    QCOMPARE(
        lines[0], QStringLiteral("Chance\tObservé\tAttendu\tÉcart (σ)\tPlus longue série\tSérie habituelle"));
    QCOMPARE(lines[1], QStringLiteral("Rouge\t9\t4,9\t+2,6\t6\t2"));
    QCOMPARE(lines[3], QStringLiteral("Zéro\t1\t0,3\t+1,4\t\t"));
    QCOMPARE(lines[16], QStringLiteral("Orphelins\t2\t2,2\t−0,1\t\t"));
    QCOMPARE(lines[17], QString());
    QCOMPARE(lines[18], QStringLiteral("χ² = 49,2 pour 36 degrés de liberté, sur 10 tirages"));
    QCOMPARE(
        lines[19], QStringLiteral("Pas encore assez de tirages pour juger la roue : 10 sur au moins 185."));
}

// The wheel's order by default; the table's on the player's choice, bars, tooltips and the
// description for screen readers following.
void TestStatisticsWindow::order()
{
    auto* chart = control<NumbersChart>(m_window, QStringLiteral("NumbersChart"));
    QCOMPARE(horizontalCategories(chart).mid(0, 4), (QStringList{"0", "32", "15", "19"}));
    QCOMPARE(
        chart->tipAt(1), QStringLiteral("Numéro 32 : 1 sortie pour 0,3 attendue, absent depuis 5 tirages"));
    QVERIFY(chart->accessibleDescription().contains(
        QStringLiteral("dans l'ordre de la roue : 0 : 1 ; 32 : 1 ; 15 : 0")));

    QTest::mouseClick(control<QRadioButton>(m_window, QStringLiteral("TableOrder")), Qt::LeftButton);
    QCOMPARE(horizontalCategories(chart).mid(0, 4), (QStringList{"0", "1", "2", "3"}));
    QCOMPARE(chart->tipAt(1), QStringLiteral("Numéro 1 : 0 sortie pour 0,3 attendue, pas encore sorti"));
    QCOMPARE(
        chart->tipAt(7), QStringLiteral("Numéro 7 : 3 sorties pour 0,3 attendue, absent depuis 2 tirages"));
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
    QCOMPARE(
        chart->tipAt(7), QStringLiteral("Numéro 25 : 10 sorties pour 0,3 attendue, sorti au dernier tirage"));
}

void TestStatisticsWindow::saveImage()
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

void TestStatisticsWindow::ownWindowAboveTheBoard()
{
    QVERIFY(m_window->isWindow());
    QVERIFY(m_window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Statistiques"));
}

QTEST_MAIN(TestStatisticsWindow)
#include "tst_statisticswindow.moc"
