// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/LanguageMenu.h"

#include "platform/MessageBox.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

// Said in the language just chosen, which may not be the one the program speaks until it
// starts again.
const char* const Context = "LanguageMenu";
const char* const Title = QT_TRANSLATE_NOOP("LanguageMenu", "Langue");
const char* const FrenchAtNextStart
    = QT_TRANSLATE_NOOP("LanguageMenu", "Tambrel parlera français à son prochain démarrage.");
const char* const EnglishAtNextStart
    = QT_TRANSLATE_NOOP("LanguageMenu", "Tambrel parlera anglais à son prochain démarrage.");

} // namespace

LanguageMenu::LanguageMenu(QMenu* parentMenu, QWidget* board)
    : QObject(board)
    , m_board(board)
{
    QMenu* menu = parentMenu->addMenu(QCoreApplication::translate(Context, Title));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(this);
    // Each language is named in its own words, whatever the program speaks.
    m_french = menu->addAction(QStringLiteral("Français"));
    m_french->setObjectName(QStringLiteral("french"));
    m_english = menu->addAction(QStringLiteral("English"));
    m_english->setObjectName(QStringLiteral("english"));
    for (QAction* item : {m_french, m_english}) {
        item->setCheckable(true);
        group->addAction(item);
    }
    connect(m_french, &QAction::triggered, this, [this] { choose(Language::Choice::French); });
    connect(m_english, &QAction::triggered, this, [this] { choose(Language::Choice::English); });
    update();
}

void LanguageMenu::choose(Language::Choice choice)
{
    const bool changed = choice != Language::preferred();
    Language::save(choice);
    update();
    if (changed || choice != Language::current()) {
        const char* said = choice == Language::Choice::French ? FrenchAtNextStart : EnglishAtNextStart;
        MessageBox::show(m_board, Language::translated(choice, Context, said), MessageBox::Information,
            Language::translated(choice, Context, Title));
    }
}

void LanguageMenu::update()
{
    const Language::Choice preferred = Language::preferred();
    m_french->setChecked(preferred == Language::Choice::French);
    m_english->setChecked(preferred == Language::Choice::English);
}
