// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/NumberListWindow.h"

#include "games/GamesTexts.h"
#include "games/GamesWords.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The mistakes listed under the text; the rest are counted.
constexpr int MistakesShown = 5;

// A dark red that reads on the light window background.
const QColor MistakeColour(0xA0, 0x10, 0x10);

} // namespace

NumberListWindow::NumberListWindow(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("NumberListWindow"));
    setWindowTitle(GamesTexts::ListTitle);
    setAttribute(Qt::WA_DeleteOnClose, true);
    buildControls();
    refresh();
}

void NumberListWindow::buildControls()
{
    auto* prompt = new QLabel(GamesTexts::ListPrompt, this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setWordWrap(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("numbers"));
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(GamesTexts::ListTitle);
    m_text->setMinimumHeight(m_text->fontMetrics().lineSpacing() * 8);
    prompt->setBuddy(m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, &NumberListWindow::refresh);

    auto* order = new QGroupBox(GamesTexts::ListOrder, this);
    order->setObjectName(QStringLiteral("order"));
    m_oldestFirst = new QRadioButton(GamesTexts::OldestFirst, order);
    m_oldestFirst->setObjectName(QStringLiteral("oldestFirst"));
    m_oldestFirst->setChecked(true);
    m_newestFirst = new QRadioButton(GamesTexts::NewestFirst, order);
    m_newestFirst->setObjectName(QStringLiteral("newestFirst"));
    auto* orderLayout = new QVBoxLayout(order);
    orderLayout->addWidget(m_oldestFirst);
    orderLayout->addWidget(m_newestFirst);
    connect(m_oldestFirst, &QRadioButton::toggled, this, &NumberListWindow::refresh);

    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("count"));
    QFont bold = m_count->font();
    bold.setBold(true);
    m_count->setFont(bold);

    m_mistakes = new QLabel(this);
    m_mistakes->setObjectName(QStringLiteral("mistakes"));
    m_mistakes->setWordWrap(true);
    m_mistakes->setTextFormat(Qt::PlainText);
    QPalette red = m_mistakes->palette();
    red.setColor(QPalette::WindowText, MistakeColour);
    m_mistakes->setPalette(red);

    auto* buttons = new QDialogButtonBox(this);
    m_add = buttons->addButton(GamesTexts::Add, QDialogButtonBox::AcceptRole);
    m_add->setObjectName(QStringLiteral("add"));
    m_add->setDefault(true);
    m_cancel = buttons->addButton(GamesTexts::Cancel, QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_add, &QPushButton::clicked, this, &NumberListWindow::add);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text, 1);
    layout->addWidget(order);
    layout->addWidget(m_count);
    layout->addWidget(m_mistakes);
    layout->addWidget(buttons);
    resize(480, 420);
}

void NumberListWindow::refresh()
{
    const auto order
        = m_oldestFirst->isChecked() ? NumberList::Order::OldestFirst : NumberList::Order::NewestFirst;
    m_reading = NumberList::read(m_text->toPlainText(), order);

    const int count = static_cast<int>(m_reading.numbers.size());
    const int mistakes = m_reading.mistakeCount;
    QString line;
    if (mistakes > 0) {
        line = mistakes == 1 ? GamesTexts::OneToCorrect : GamesTexts::ManyToCorrect.arg(mistakes);
    } else if (count == 0) {
        line = GamesTexts::NothingToAdd;
    } else {
        line = count == 1 ? GamesTexts::OneToAdd : GamesTexts::ManyToAdd.arg(count);
    }
    m_count->setText(line);

    QStringList described;
    for (const NumberList::Mistake& mistake : m_reading.mistakes) {
        if (described.size() == MistakesShown) {
            break;
        }
        described.append(GamesWords::notANumber(mistake));
    }
    const int unseen = mistakes - static_cast<int>(described.size());
    if (unseen > 0) {
        described.append(unseen == 1 ? GamesTexts::OneMoreError : GamesTexts::MoreErrors.arg(unseen));
    }
    m_mistakes->setText(described.join(QLatin1Char('\n')));
    m_mistakes->setVisible(mistakes > 0);

    m_add->setEnabled(mistakes == 0 && count > 0);
}

void NumberListWindow::add()
{
    if (!m_add->isEnabled()) {
        return;
    }
    const QVector<int> numbers = m_reading.numbers;
    accept();
    emit numbersChosen(numbers);
}
