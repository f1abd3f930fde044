// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/ReadingPreview.h"

#include "games/GamesTexts.h"
#include "games/GamesWords.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// A dark red that reads on the light window background.
const QColor MistakeColour(0xA0, 0x10, 0x10);

// A typed list is short and corrected at once; a file's mistakes are found by line.
constexpr int TypedMistakesShown = 5;

} // namespace

ReadingPreview::ReadingPreview(Source source, QWidget* parent)
    : QWidget(parent)
    , m_source(source)
{
    m_order = new QGroupBox(GamesTexts::listOrder(), this);
    m_order->setObjectName(QStringLiteral("order"));
    m_oldestFirst = new QRadioButton(GamesTexts::oldestFirst(), m_order);
    m_oldestFirst->setObjectName(QStringLiteral("oldestFirst"));
    m_oldestFirst->setChecked(true);
    m_newestFirst = new QRadioButton(GamesTexts::newestFirst(), m_order);
    m_newestFirst->setObjectName(QStringLiteral("newestFirst"));
    auto* orderLayout = new QVBoxLayout(m_order);
    orderLayout->addWidget(m_oldestFirst);
    orderLayout->addWidget(m_newestFirst);
    connect(m_oldestFirst, &QRadioButton::toggled, this, &ReadingPreview::orderChanged);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setWordWrap(true);
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);

    m_mistakes = new QLabel(this);
    m_mistakes->setObjectName(QStringLiteral("mistakes"));
    m_mistakes->setWordWrap(true);
    m_mistakes->setTextFormat(Qt::PlainText);
    m_mistakes->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette red = m_mistakes->palette();
    red.setColor(QPalette::WindowText, MistakeColour);
    m_mistakes->setPalette(red);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_order);
    layout->addWidget(m_count);
    layout->addWidget(m_mistakes);
}

NumberList::Order ReadingPreview::order() const
{
    return m_oldestFirst->isChecked() ? NumberList::Order::OldestFirst : NumberList::Order::NewestFirst;
}

void ReadingPreview::setOrderKnown(bool known)
{
    if (known) {
        m_oldestFirst->setChecked(true);
    }
    m_order->setEnabled(!known);
}

QString ReadingPreview::countLine(const NumberList::Reading& reading, qint64 roomLeft) const
{
    const qint64 count = reading.numberCount;
    if (m_source == Source::TypedList) {
        const qint64 mistakes = reading.mistakeCount;
        if (mistakes > 0) {
            return GamesTexts::toCorrect(mistakes).arg(GamesWords::count(mistakes));
        }
        if (count > roomLeft) {
            return GamesTexts::beyondRoom().arg(GamesWords::drawCount(count), GamesWords::count(roomLeft));
        }
        return count == 0 ? GamesTexts::nothingToAdd()
                          : GamesTexts::toAdd(count).arg(GamesWords::count(count));
    }
    if (count > roomLeft) {
        return GamesTexts::beyondLargestGame().arg(GamesWords::drawCount(count), GamesWords::count(roomLeft));
    }
    const qint64 lines = reading.linesWithMistakes;
    if (lines > 0) {
        return GamesTexts::linesWithErrors(lines).arg(GamesWords::count(lines), GamesWords::drawCount(count));
    }
    return count == 0 ? GamesTexts::nothingToImport()
                      : GamesTexts::toImport(count).arg(GamesWords::count(count));
}

void ReadingPreview::showReading(const NumberList::Reading& reading, qint64 roomLeft)
{
    m_count->setText(countLine(reading, roomLeft));

    const bool typed = m_source == Source::TypedList;
    QStringList described;
    for (const NumberList::Mistake& mistake : reading.mistakes) {
        if (typed && described.size() == TypedMistakesShown) {
            break;
        }
        described.append(typed ? GamesWords::notANumber(mistake) : GamesWords::notANumberAt(mistake));
    }
    const qint64 unseen = reading.mistakeCount - described.size();
    if (unseen > 0 && !described.isEmpty()) {
        described.append(GamesTexts::moreErrors(unseen).arg(GamesWords::count(unseen)));
    }
    m_mistakes->setText(described.join(QLatin1Char('\n')));
    m_mistakes->setVisible(!described.isEmpty());
}
