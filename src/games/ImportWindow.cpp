// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/ImportWindow.h"

#include "games/GamesTexts.h"
#include "games/Journal.h"
#include "games/ReadingPreview.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int Width = 560;

QString layoutLine(DrawImport::Layout layout)
{
    switch (layout) {
    case DrawImport::Layout::ExportedTable:
        return GamesTexts::readAsTable();
    case DrawImport::Layout::KeptGame:
        return GamesTexts::readAsGame();
    case DrawImport::Layout::Numbers:
        break;
    }
    return GamesTexts::readAsNumbers();
}

QLabel* wrappedLabel(const QString& text, const char* name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

ImportWindow::ImportWindow(const QString& path, DrawImport::Reading reading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_reading(std::move(reading))
{
    setObjectName(QStringLiteral("ImportWindow"));
    setWindowTitle(GamesTexts::importTitle());
    setAttribute(Qt::WA_DeleteOnClose, true);
    buildControls(path);
    refresh();
    // Tall enough for every mistake listed, the wrapped lines counted.
    resize(Width, heightForWidth(Width));
}

void ImportWindow::buildControls(const QString& path)
{
    QLabel* file = wrappedLabel(GamesTexts::importFile().arg(QFileInfo(path).fileName()), "file", this);
    file->setToolTip(QDir::toNativeSeparators(path));
    QLabel* layoutRead = wrappedLabel(layoutLine(m_reading.layout), "layout", this);
    QLabel* newGame = wrappedLabel(GamesTexts::importAsNewGame(), "newGame", this);

    m_preview = new ReadingPreview(ReadingPreview::Source::File, this);
    m_preview->setOrderKnown(m_reading.layout != DrawImport::Layout::Numbers);
    connect(m_preview, &ReadingPreview::orderChanged, this, &ImportWindow::refresh);

    auto* buttons = new QDialogButtonBox(this);
    m_import = buttons->addButton(GamesTexts::import(), QDialogButtonBox::AcceptRole);
    m_import->setObjectName(QStringLiteral("import"));
    m_import->setDefault(true);
    m_withoutLines = buttons->addButton(GamesTexts::importWithoutThoseLines(), QDialogButtonBox::AcceptRole);
    m_withoutLines->setObjectName(QStringLiteral("importWithoutLines"));
    m_withoutLines->setAutoDefault(false);
    QPushButton* cancel = buttons->addButton(GamesTexts::cancel(), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(m_import, &QPushButton::clicked, this, &ImportWindow::choose);
    connect(m_withoutLines, &QPushButton::clicked, this, &ImportWindow::choose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file);
    layout->addWidget(layoutRead);
    layout->addWidget(m_preview);
    layout->addWidget(newGame);
    layout->addStretch(1);
    layout->addWidget(buttons);
}

void ImportWindow::refresh()
{
    const NumberList::Reading& list = m_reading.list;
    m_preview->showReading(list, GameRecord::MaxDraws);
    const bool fits = list.numberCount > 0 && list.numberCount <= GameRecord::MaxDraws;
    m_import->setEnabled(fits && list.mistakeCount == 0);
    m_withoutLines->setVisible(list.mistakeCount > 0);
    m_withoutLines->setEnabled(fits);
}

void ImportWindow::choose()
{
    // Only the lines without a mistake were kept: the one choice left them out, the other
    // is only offered when there were none.
    const auto* button = qobject_cast<const QPushButton*>(sender());
    if (!button || !button->isEnabled()) {
        return;
    }
    QVector<int> numbers = NumberList::inPlayingOrder(std::move(m_reading.list.numbers), m_preview->order());
    accept();
    emit numbersChosen(numbers);
}
