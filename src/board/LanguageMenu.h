// SPDX-License-Identifier: GPL-3.0-or-later
// The language submenu at the end of the board's menu: "Français" or "English", each written
// in its own language. The choice wins over the desktop's language, is kept, and takes effect
// at the next start, as a box says in the language chosen.
#pragma once

#include "platform/Language.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

class LanguageMenu : public QObject
{
    Q_OBJECT

public:
    LanguageMenu(QMenu* parentMenu, QWidget* board);

    void choose(Language::Choice choice);

private:
    void update();

    QWidget* m_board;
    QAction* m_french;
    QAction* m_english;
};
