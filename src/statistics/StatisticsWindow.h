// SPDX-License-Identifier: GPL-3.0-or-later
// The "Statistiques" window: the whole game in one chart, what chance explains of it, the
// table of chances and the price of playing. A normal window the player moves, resizes and
// closes; it mirrors a StatisticsModel and is refreshed after every entry.
#pragma once

#include "statistics/StatisticsModel.h"

#include <QWidget>

class ChancesTable;
class NumbersChart;
class QLabel;
class QPushButton;
class QRadioButton;

class StatisticsWindow : public QWidget
{
    Q_OBJECT

public:
    // With a parent, still a window of its own, kept above ordinary windows.
    explicit StatisticsWindow(QWidget* parent = nullptr);

    // Shows what the model now holds, changing only what moved.
    void refresh(const StatisticsModel& model);

    // Writes the chart as a PNG; on failure tells the player why and returns false.
    bool saveImage(const QString& path);

public slots:
    void copyToClipboard(); // "Copier"
    void chooseImageFile(); // "Enregistrer l'image…"

private:
    void buildControls();

    NumbersChart* m_chart = nullptr;
    QRadioButton* m_wheelOrder = nullptr;
    QRadioButton* m_tableOrder = nullptr;
    QLabel* m_chiSquare = nullptr;
    QLabel* m_verdict = nullptr;
    QLabel* m_beneath = nullptr;
    QLabel* m_unusualChances = nullptr;
    QLabel* m_houseEdge = nullptr;
    QLabel* m_losingStreak = nullptr;
    ChancesTable* m_chances = nullptr;
    QPushButton* m_copy = nullptr;
    QPushButton* m_saveImage = nullptr;
    StatisticsModel::Verdict m_shownVerdict = StatisticsModel::Verdict::NotEnoughDraws;
};
