// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Tables.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>

struct Tables::Entry
{
    GameSession* session = nullptr; // a child of the tables
    int number = 1; // of its name while the player gave none
    QString givenName;
    bool marked = false;
};

namespace {

constexpr char DefaultNamePrefix[] = "Table ";

// The number of a name the program gave ("Table 3"), or 0 for a name of the player's.
int numberOfName(const QString& name)
{
    static const QRegularExpression given(QStringLiteral("^Table ([1-8])$"));
    const QRegularExpressionMatch match = given.match(name);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

} // namespace

Tables::Tables(QObject* parent)
    : QObject(parent)
    , m_sitting(
          QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0')))
{
    makeTable();
}

Tables::~Tables() = default;

void Tables::setAsker(Asker asker)
{
    m_asker = std::move(asker);
}

void Tables::keepGamesIn(GameLibrary& library)
{
    m_library = &library;
    m_freeJournals.push_back(&library.journal());
    for (const auto& table : m_tables) {
        table->session->keepGamesIn(*takeJournal(), library.archive());
    }
    nameInJournals();
}

GameSession& Tables::at(int index) const
{
    return *m_tables.at(static_cast<std::size_t>(index))->session;
}

QString Tables::name(int index) const
{
    const Entry& table = *m_tables.at(static_cast<std::size_t>(index));
    return table.givenName.isEmpty() ? QLatin1String(DefaultNamePrefix) + QString::number(table.number)
                                     : table.givenName;
}

bool Tables::isMarked(int index) const
{
    return m_tables.at(static_cast<std::size_t>(index))->marked;
}

int Tables::indexOf(const GameSession* session) const
{
    for (std::size_t i = 0; i < m_tables.size(); ++i) {
        if (m_tables[i]->session == session) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

bool Tables::isNumberTaken(int number, const Entry* except) const
{
    return std::any_of(m_tables.begin(), m_tables.end(), [number, except](const auto& table) {
        return table.get() != except && table->givenName.isEmpty() && table->number == number;
    });
}

int Tables::freeNumber() const
{
    for (int number = 1; number <= MaxTables; ++number) {
        if (!isNumberTaken(number, nullptr)) {
            return number;
        }
    }
    return MaxTables;
}

GameJournal* Tables::takeJournal()
{
    if (!m_library) {
        return nullptr;
    }
    if (m_freeJournals.empty()) {
        m_ownJournals.push_back(std::make_unique<GameJournal>(m_library->folder()));
        return m_ownJournals.back().get();
    }
    GameJournal* journal = m_freeJournals.back();
    m_freeJournals.pop_back();
    return journal;
}

void Tables::makeTable()
{
    auto table = std::make_unique<Entry>();
    table->number = freeNumber();
    auto* session = new GameSession(this);
    table->session = session;
    if (!m_tables.empty() && current().table().speaksAdvice()) {
        session->toggleSpeech();
    }
    if (GameJournal* journal = takeJournal()) {
        session->keepGamesIn(*journal, m_library->archive());
    }
    session->setAsker([this, session](GameSession::Question question, int number) {
        return !m_asker || m_asker(indexOf(session), question, number);
    });

    connect(session, &GameSession::entered, this, [this, session](int number) {
        if (session == &current()) {
            emit entered(number);
            return;
        }
        const int index = indexOf(session);
        Entry& table = *m_tables[static_cast<std::size_t>(index)];
        if (session->table().showsAdvice() && !table.marked) {
            table.marked = true;
            emit tablesChanged();
        }
        emit enteredElsewhere(index, number);
    });
    connect(session, &GameSession::rebuilt, this, [this, session] {
        if (session == &current()) {
            emit rebuilt();
        }
    });
    connect(session, &GameSession::blinked, this, [this, session](BlinkTimer blink) {
        if (session == &current()) {
            emit blinked(blink);
        }
    });
    connect(session, &GameSession::full, this, &Tables::full);
    connect(session, &GameSession::saveProblem, this,
        [this, session](const DiskFailure& failure) { emit saveProblem(indexOf(session), failure); });

    m_tables.push_back(std::move(table));
}

// Once several tables are open, every game says which table it is, for the previous games
// and for the next start to offer them back together.
void Tables::nameInJournals()
{
    if (count() < 2 && std::none_of(m_tables.begin(), m_tables.end(), [](const auto& table) {
            return table->session->journal() && !table->session->journal()->game().sitting.isEmpty();
        })) {
        return;
    }
    for (int i = 0; i < count(); ++i) {
        if (GameJournal* journal = at(i).journal()) {
            journal->setTable(m_sitting, name(i));
        }
    }
}

int Tables::add()
{
    if (count() >= MaxTables) {
        return -1;
    }
    makeTable();
    nameInJournals();
    emit tablesChanged();
    show(count() - 1);
    return count() - 1;
}

bool Tables::close(int index)
{
    if (count() < 2 || index < 0 || index >= count() || at(index).isAsking()) {
        return false;
    }
    std::unique_ptr<Entry> table = std::move(m_tables[static_cast<std::size_t>(index)]);
    m_tables.erase(m_tables.begin() + index);
    table->session->end();
    if (GameJournal* journal = table->session->journal()) {
        m_freeJournals.push_back(journal);
    }
    table->session->disconnect(this);
    table->session->deleteLater();

    const bool wasShown = index == m_current;
    if (index < m_current || m_current >= count()) {
        --m_current;
    }
    emit tablesChanged();
    if (wasShown) {
        m_tables[static_cast<std::size_t>(m_current)]->marked = false;
        emit shownChanged();
    }
    return true;
}

void Tables::rename(int index, const QString& name)
{
    Entry& table = *m_tables.at(static_cast<std::size_t>(index));
    const QString given = name.simplified().left(MaxNameLength);
    const int number = numberOfName(given);
    if (given.isEmpty() || (number && !isNumberTaken(number, &table))) {
        // Back to a name the program gives: the one asked for, or its own while no other
        // table has it.
        table.givenName.clear();
        if (number) {
            table.number = number;
        } else if (isNumberTaken(table.number, &table)) {
            table.number = freeNumber();
        }
    } else {
        table.givenName = given;
    }
    nameInJournals();
    emit tablesChanged();
}

void Tables::show(int index)
{
    if (index < 0 || index >= count() || index == m_current) {
        return;
    }
    m_current = index;
    m_tables[static_cast<std::size_t>(index)]->marked = false;
    emit tablesChanged();
    emit shownChanged();
}

void Tables::showNext()
{
    show((m_current + 1) % count());
}

void Tables::toggleSpeech()
{
    for (const auto& table : m_tables) {
        table->session->toggleSpeech();
    }
}

void Tables::endAll()
{
    for (const auto& table : m_tables) {
        table->session->end();
    }
}

QVector<GameSummary> Tables::findInterrupted()
{
    if (!m_library) {
        return {};
    }
    // In the order of their names' numbers, the player's own names after them.
    QVector<GameSummary> games = m_library->archive().findInterruptedTables();
    std::stable_sort(games.begin(), games.end(), [](const GameSummary& a, const GameSummary& b) {
        const int first = numberOfName(a.tableName);
        const int second = numberOfName(b.tableName);
        return (first ? first : MaxTables + 1) < (second ? second : MaxTables + 1);
    });
    return games;
}

void Tables::setAside(const QVector<GameSummary>& games)
{
    for (const GameSummary& game : games) {
        if (m_library) {
            m_library->archive().setAside(game);
        }
    }
}

QVector<GameArchive::Outcome> Tables::resume(const QVector<GameSummary>& games)
{
    QVector<GameArchive::Outcome> outcomes;
    const int firstIndex = m_current;
    for (qsizetype i = 0; i < games.size(); ++i) {
        const GameSummary& game = games[i];
        int index = firstIndex;
        if (i > 0) {
            if (count() >= MaxTables) {
                outcomes.append({GameArchive::Outcome::Status::HeldElsewhere, {}, 0, false});
                continue;
            }
            makeTable();
            index = count() - 1;
        }
        if (!game.tableName.isEmpty()) {
            rename(index, game.tableName);
        }
        outcomes.append(at(index).resume(game));
    }
    nameInJournals();
    emit tablesChanged();
    emit shownChanged();
    return outcomes;
}
