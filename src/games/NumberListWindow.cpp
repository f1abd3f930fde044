// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/NumberListWindow.h"

#include "games/GamesTexts.h"
#include "games/ReadingPreview.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

NumberListWindow::NumberListWindow(QWidget* parent, int roomLeft)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_roomLeft(roomLeft)
{
    setObjectName(QStringLiteral("NumberListWindow"));
    setWindowTitle(GamesTexts::listTitle());
    setAttribute(Qt::WA_DeleteOnClose, true);
    buildControls();
    refresh();
}

void NumberListWindow::buildControls()
{
    auto* prompt = new QLabel(GamesTexts::listPrompt(), this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setWordWrap(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("numbers"));
    m_text->setTabChangesFocus(true);
    m_text->setAccessibleName(GamesTexts::listTitle());
    m_text->setMinimumHeight(m_text->fontMetrics().lineSpacing() * 8);
    prompt->setBuddy(m_text);
    connect(m_text, &QPlainTextEdit::textChanged, this, &NumberListWindow::refresh);

    m_preview = new ReadingPreview(ReadingPreview::Source::TypedList, this);
    connect(m_preview, &ReadingPreview::orderChanged, this, &NumberListWindow::refresh);

    auto* buttons = new QDialogButtonBox(this);
    m_add = buttons->addButton(GamesTexts::add(), QDialogButtonBox::AcceptRole);
    m_add->setObjectName(QStringLiteral("add"));
    m_add->setDefault(true);
    m_cancel = buttons->addButton(GamesTexts::cancel(), QDialogButtonBox::RejectRole);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_add, &QPushButton::clicked, this, &NumberListWindow::add);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_preview);
    layout->addWidget(buttons);
    resize(480, 420);
}

void NumberListWindow::refresh()
{
    m_reading = NumberList::read(m_text->toPlainText(), m_preview->order());
    m_preview->showReading(m_reading, m_roomLeft);
    m_add->setEnabled(
        m_reading.mistakeCount == 0 && m_reading.numberCount > 0 && m_reading.numberCount <= m_roomLeft);
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
