// SPDX-License-Identifier: GPL-3.0-or-later
// The board's "Tables" menu: a new table, one checked item per open table (marked when it
// reached an advice out of sight), renaming and closing the shown one, and the keys that
// switch tables. Built once; its items follow the tables.
#pragma once

#include <QObject>
#include <array>

class QAction;
class QMenu;
class QWidget;
class Tables;

class TablesMenu : public QObject
{
    Q_OBJECT

public:
    // The menu goes into `parentMenu`; the keys work on `board` with the menu closed.
    TablesMenu(QMenu* parentMenu, QWidget* board, Tables& tables);

    QMenu* menu() const { return m_menu; }
    // What the items show, from the tables as they are.
    void update();

    // The item text of a table: its name, and the mark of an advice reached out of sight.
    static QString itemText(const QString& name, bool marked);

private:
    void renameShown();

    QWidget* m_board;
    Tables& m_tables;
    QMenu* m_menu = nullptr;
    QAction* m_newTable = nullptr;
    std::array<QAction*, 8> m_tableItems{};
    QAction* m_rename = nullptr;
    QAction* m_close = nullptr;
};
