// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/PreviousGamesWindow.h"

#include "games/ExportDialog.h"
#include "games/GamesTexts.h"
#include "games/GamesWords.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { StartedColumn, TableColumn, DrawsColumn, LastNumbersColumn, StateColumn, ColumnCount };

QString lastNumbersText(const GameSummary& game)
{
    QStringList numbers;
    for (const int number : game.lastNumbers) {
        numbers.append(QString::number(number));
    }
    const bool cut = game.drawCount > game.lastNumbers.size();
    return (cut ? GamesTexts::LastNumbersCut : QString()) + numbers.join(QLatin1Char(' '));
}

QString stateText(const GameSummary& game)
{
    if (game.newerVersion) {
        return GamesTexts::newerVersion();
    }
    return game.endedNormally ? GamesTexts::finished() : GamesTexts::interrupted();
}

} // namespace

PreviousGamesWindow::PreviousGamesWindow(GameArchive& archive, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_archive(archive)
{
    setObjectName(QStringLiteral("PreviousGamesWindow"));
    setWindowTitle(GamesTexts::previousTitle());
    setAttribute(Qt::WA_DeleteOnClose, true);
    buildControls();
    reload();
}

void PreviousGamesWindow::buildControls()
{
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("games"));
    m_list->setAccessibleName(GamesTexts::previousTitle());
    m_list->setColumnCount(ColumnCount);
    m_list->setHeaderLabels({GamesTexts::columnStarted(), GamesTexts::columnTable(),
        GamesTexts::columnDraws(), GamesTexts::columnLastNumbers(), GamesTexts::columnState()});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->headerItem()->setTextAlignment(DrawsColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setSectionResizeMode(LastNumbersColumn, QHeaderView::Stretch);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &PreviousGamesWindow::updateButtons);

    m_empty = new QLabel(GamesTexts::noPreviousGame(), this);
    m_empty->setObjectName(QStringLiteral("empty"));
    m_empty->setAlignment(Qt::AlignCenter);

    m_resume = new QPushButton(GamesTexts::resume(), this);
    m_resume->setObjectName(QStringLiteral("resume"));
    m_export = new QPushButton(GamesTexts::exportGame(), this);
    m_export->setObjectName(QStringLiteral("export"));
    m_delete = new QPushButton(GamesTexts::remove(), this);
    m_delete->setObjectName(QStringLiteral("delete"));
    m_close = new QPushButton(GamesTexts::close(), this);
    m_close->setObjectName(QStringLiteral("close"));
    for (QPushButton* button : {m_resume, m_export, m_delete, m_close}) {
        button->setAutoDefault(false);
    }
    connect(m_resume, &QPushButton::clicked, this, &PreviousGamesWindow::resumeSelected);
    connect(m_export, &QPushButton::clicked, this, &PreviousGamesWindow::exportSelected);
    connect(m_delete, &QPushButton::clicked, this, &PreviousGamesWindow::deleteSelected);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_resume);
    buttons->addWidget(m_export);
    buttons->addWidget(m_delete);
    buttons->addStretch(1);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_empty, 1);
    layout->addLayout(buttons);
    resize(640, 340);
}

void PreviousGamesWindow::reload()
{
    const QString wasSelected = selected() ? selected()->path : QString();
    m_games = m_archive.previousGames();
    m_list->clear();
    QTreeWidgetItem* toSelect = nullptr;
    bool withTables = false;
    for (qsizetype i = 0; i < m_games.size(); ++i) {
        const GameSummary& game = m_games[i];
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(StartedColumn, GamesWords::dateAndTime(game.started));
        item->setText(TableColumn, game.tableName);
        withTables = withTables || !game.tableName.isEmpty();
        item->setText(DrawsColumn, game.newerVersion ? QString() : QString::number(game.drawCount));
        item->setTextAlignment(DrawsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setText(LastNumbersColumn, lastNumbersText(game));
        item->setText(StateColumn, stateText(game));
        item->setData(StartedColumn, Qt::UserRole, static_cast<int>(i));
        if (game.path == wasSelected || (!toSelect && i == 0)) {
            toSelect = item;
        }
    }
    // The tables' names only once a game was played beside another table.
    m_list->setColumnHidden(TableColumn, !withTables);
    if (toSelect) {
        m_list->setCurrentItem(toSelect);
    }
    m_list->setVisible(!m_games.isEmpty());
    m_empty->setVisible(m_games.isEmpty());
    updateButtons();
}

const GameSummary* PreviousGamesWindow::selected() const
{
    if (!m_list) {
        return nullptr;
    }
    const QList<QTreeWidgetItem*> items = m_list->selectedItems();
    if (items.isEmpty()) {
        return nullptr;
    }
    const int index = items.constFirst()->data(StartedColumn, Qt::UserRole).toInt();
    return index >= 0 && index < m_games.size() ? &m_games[index] : nullptr;
}

void PreviousGamesWindow::updateButtons()
{
    const GameSummary* game = selected();
    // A game of a newer version is only shown: this program never reads nor touches it.
    const bool usable = game && !game->newerVersion;
    m_resume->setEnabled(usable);
    m_export->setEnabled(usable && game->drawCount > 0);
    m_delete->setEnabled(usable);
}

void PreviousGamesWindow::resumeSelected()
{
    const GameSummary* game = selected();
    if (!game || game->newerVersion) {
        return;
    }
    const GameSummary chosen = *game;
    accept();
    emit resumeRequested(chosen);
}

void PreviousGamesWindow::exportSelected()
{
    const GameSummary* game = selected();
    if (!game || game->newerVersion) {
        return;
    }
    const JournalReading reading = m_archive.read(*game);
    if (reading.status != JournalReading::Status::Read) {
        MessageBox::show(this, GamesTexts::exportFailed().arg(GamesTexts::unreadable()),
            MessageBox::Exclamation, Application::title());
        reload();
        return;
    }
    ExportDialog::exportGame(this, reading.game);
}

void PreviousGamesWindow::deleteSelected()
{
    const GameSummary* game = selected();
    if (!game || game->newerVersion) {
        return;
    }
    const GameSummary chosen = *game;
    const QString question = GamesTexts::deleteQuestion().arg(
        GamesWords::dateAndTime(chosen.started), GamesWords::drawCount(chosen.drawCount));
    if (MessageBox::show(this, question,
            MessageBox::YesNo | MessageBox::Question | MessageBox::DefaultButton2, Application::title())
        != MessageBox::Yes) {
        return;
    }
    const GameArchive::Outcome removed = m_archive.remove(chosen);
    if (!removed.done()) {
        MessageBox::show(
            this, GamesWords::notDeleted(removed), MessageBox::Exclamation, Application::title());
    }
    reload();
}
