// SPDX-License-Identifier: GPL-3.0-or-later
// The dozen and column window: the last 20 columns and the last 20 dozens, one digit to a
// square, and at the end of each row the indicator that blinks while the board advises the
// two other columns or dozens. It mirrors the dozen and column tracker and decides nothing.
#pragma once

#include "dozens/HistoryRow.h"

#include <QWidget>
#include <array>

class DozenColumnTracker;
class QLabel;
class QPushButton;

class DozensWindow : public QWidget
{
    Q_OBJECT

public:
    // A window of its own even with a parent, which only decides when it goes away.
    explicit DozensWindow(QWidget* parent = nullptr);

    // Shows what the tracker now holds.
    void refresh(const DozenColumnTracker& tracker);

public slots:
    void openHelp();

private:
    void buildControls();

    std::array<QLabel*, HistoryRow::Length> m_columnSquares{};
    std::array<QLabel*, HistoryRow::Length> m_dozenSquares{};
    QLabel* m_columnsTitle = nullptr;
    QLabel* m_dozensTitle = nullptr;
    QLabel* m_columnsIndicator = nullptr;
    QLabel* m_dozensIndicator = nullptr;
    QPushButton* m_helpButton = nullptr;
};
