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

class Form5 : public QWidget
{
    Q_OBJECT

public:
    // A window of its own even with a parent, which only decides when it goes away.
    explicit Form5(QWidget* parent = nullptr);

    // Shows what the tracker now holds.
    void refresh(const DozenColumnTracker& tracker);

public slots:
    void Command2_Click(); // help

private:
    void buildControls();

    std::array<QLabel*, HistoryRow::Length> m_label1{}; // columns
    std::array<QLabel*, HistoryRow::Length> m_label2{}; // dozens
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    QPushButton* m_command2 = nullptr;
};
