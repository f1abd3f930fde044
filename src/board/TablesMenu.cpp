// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/TablesMenu.h"

#include "board/BoardTexts.h"
#include "board/Tables.h"

#include <QAction>
#include <QActionGroup>
#include <QInputDialog>
#include <QMenu>
#include <QWidget>

static_assert(Tables::MaxTables == 8, "one item and one Ctrl+digit per table");

TablesMenu::TablesMenu(QMenu* parentMenu, QWidget* board, Tables& tables)
    : QObject(board)
    , m_board(board)
    , m_tables(tables)
{
    m_menu = parentMenu->addMenu(BoardTexts::menuTables());
    m_menu->setObjectName(QStringLiteral("tablesMenu"));

    m_newTable = m_menu->addAction(BoardTexts::menuNewTable());
    m_newTable->setObjectName(QStringLiteral("newTable"));
    m_newTable->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(m_newTable, &QAction::triggered, this, [this] { m_tables.add(); });
    m_menu->addSeparator();

    auto* group = new QActionGroup(this);
    for (int i = 0; i < Tables::MaxTables; ++i) {
        QAction* item = m_menu->addAction(QString());
        item->setObjectName(QStringLiteral("tableItem"));
        item->setProperty("index", i);
        item->setCheckable(true);
        item->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i)));
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, i] { m_tables.show(i); });
        m_tableItems[static_cast<std::size_t>(i)] = item;
    }
    m_menu->addSeparator();
    m_rename = m_menu->addAction(BoardTexts::menuRenameTable());
    m_rename->setObjectName(QStringLiteral("renameTable"));
    connect(m_rename, &QAction::triggered, this, &TablesMenu::renameShown);
    m_close = m_menu->addAction(BoardTexts::menuCloseTable());
    m_close->setObjectName(QStringLiteral("closeTable"));
    connect(m_close, &QAction::triggered, this, [this] { m_tables.close(m_tables.currentIndex()); });

    // The keys work with the menu closed too.
    board->addAction(m_newTable);
    for (QAction* item : m_tableItems) {
        board->addAction(item);
    }
    auto* next = new QAction(board);
    next->setObjectName(QStringLiteral("nextTable"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
    connect(next, &QAction::triggered, this, [this] { m_tables.showNext(); });
    board->addAction(next);

    connect(&m_tables, &Tables::tablesChanged, this, &TablesMenu::update);
    connect(&m_tables, &Tables::shownChanged, this, &TablesMenu::update);
    update();
}

QString TablesMenu::itemText(const QString& name, bool marked)
{
    QString text = name;
    // An ampersand in a name is shown, never taken for a keyboard accelerator.
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return marked ? BoardTexts::markedTable(text) : text;
}

void TablesMenu::update()
{
    for (int i = 0; i < Tables::MaxTables; ++i) {
        QAction* item = m_tableItems[static_cast<std::size_t>(i)];
        const bool open = i < m_tables.count();
        item->setVisible(open);
        item->setEnabled(open);
        if (open) {
            item->setText(itemText(m_tables.name(i), m_tables.isMarked(i)));
            item->setChecked(i == m_tables.currentIndex());
        }
    }
    m_newTable->setEnabled(m_tables.count() < Tables::MaxTables);
    m_close->setEnabled(m_tables.count() > 1);
}

void TablesMenu::renameShown()
{
    const int index = m_tables.currentIndex();
    bool accepted = false;
    const QString name = QInputDialog::getText(m_board, BoardTexts::renameTableTitle(),
        BoardTexts::renameTablePrompt(), QLineEdit::Normal, m_tables.name(index), &accepted);
    if (accepted) {
        m_tables.rename(index, name);
    }
}
