// SPDX-License-Identifier: GPL-3.0-or-later
// "Saisir une liste de numéros": the player pastes or types the numbers a casino panel
// shows, says in which order they are listed, and adds them. The window only reads the
// list; the board enters the numbers it hands over.
#pragma once

#include "games/Journal.h"
#include "games/NumberList.h"

#include <QDialog>
#include <QVector>

class QPlainTextEdit;
class QPushButton;
class ReadingPreview;

class NumberListWindow : public QDialog
{
    Q_OBJECT

public:
    // Shown with open(): modal to the board, deleted once closed. A list longer than
    // `roomLeft`, what the game can still take, is not added.
    explicit NumberListWindow(QWidget* parent, int roomLeft = GameRecord::MaxDraws);

    const NumberList::Reading& reading() const { return m_reading; }

signals:
    // On "Ajouter": the numbers in playing order, the oldest first.
    void numbersChosen(const QVector<int>& numbers);

private:
    void buildControls();
    void refresh();
    void add();

    NumberList::Reading m_reading;
    int m_roomLeft = 0;

    QPlainTextEdit* m_text = nullptr;
    ReadingPreview* m_preview = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_cancel = nullptr;
};
