// SPDX-License-Identifier: GPL-3.0-or-later
// "Parties précédentes": the finished and interrupted games kept on this computer, the
// newest first, to take one up again, export it or delete it.
#pragma once

#include "games/GameArchive.h"

#include <QDialog>
#include <QVector>

class QLabel;
class QPushButton;
class QTreeWidget;

class PreviousGamesWindow : public QDialog
{
    Q_OBJECT

public:
    // Shown with open(): modal to the board, deleted once closed. The archive outlives it.
    PreviousGamesWindow(GameArchive& archive, QWidget* parent);

    // Reads the games again, keeping the selection where it can.
    void reload();

signals:
    // "Reprendre": the board ends its current game and takes this one up (GameArchive::resume).
    void resumeRequested(const GameSummary& game);

private:
    void buildControls();
    void updateButtons();
    const GameSummary* selected() const;
    void resumeSelected();
    void exportSelected();
    void deleteSelected();

    GameArchive& m_archive;
    QVector<GameSummary> m_games;

    QTreeWidget* m_list = nullptr;
    QLabel* m_empty = nullptr;
    QPushButton* m_resume = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_close = nullptr;
};
