// SPDX-License-Identifier: GPL-3.0-or-later
#include "statistics/ChancesTable.h"

#include "platform/Widgets.h"
#include "statistics/StatisticsTexts.h"
#include "statistics/StatisticsWords.h"

#include <QApplication>
#include <QGlyphRun>
#include <QHeaderView>
#include <QPainter>
#include <QRawFont>
#include <QStyledItemDelegate>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Column = StatisticsWords::ChanceColumn;
constexpr Column ShownColumns[]
    = {Column::Observed, Column::Expected, Column::Gap, Column::P, Column::LongestRun, Column::UsualRun};

// Figures drawn from glyphs looked up once: a figure is made of digits, a decimal comma or
// point, a sign and a narrow space or a comma between thousands, none of which needs shaping
// or line breaking.
class FigureGlyphs
{
public:
    // False, with nothing drawn, when the text holds a character the font has no glyph for.
    bool draw(
        QPainter* painter, const QRect& rect, Qt::Alignment alignment, const QFont& font, const QString& text)
    {
        if (font != m_font || !m_raw.isValid()) {
            load(font);
        }
        m_indexes.clear();
        m_positions.clear();
        qreal width = 0;
        for (const QChar character : text) {
            const auto found = std::find(Alphabet.begin(), Alphabet.end(), character.unicode());
            if (found == Alphabet.end()) {
                return false;
            }
            const auto place = static_cast<std::size_t>(found - Alphabet.begin());
            if (m_glyphs[place] != 0) {
                m_indexes.append(m_glyphs[place]);
                m_positions.append(QPointF(width, 0));
            } else if (place != NarrowSpace) {
                return false;
            }
            width += m_advances[place];
        }
        qreal left = rect.left();
        if (alignment.testFlag(Qt::AlignRight)) {
            left = rect.right() + 1 - width;
        } else if (alignment.testFlag(Qt::AlignHCenter)) {
            left = rect.left() + (rect.width() - width) / 2;
        }
        const qreal baseline
            = rect.top() + (rect.height() - m_raw.ascent() - m_raw.descent()) / 2 + m_raw.ascent();
        QGlyphRun run;
        run.setRawFont(m_raw);
        run.setGlyphIndexes(m_indexes);
        run.setPositions(m_positions);
        painter->drawGlyphRun(QPointF(std::round(left), std::round(baseline)), run);
        return true;
    }

private:
    static constexpr std::array<char16_t, 16> Alphabet = {u'0', u'1', u'2', u'3', u'4', u'5', u'6', u'7',
        u'8', u'9', u',', u'+', u'\u2212', u'\u202f', u' ', u'.'};
    // French groups thousands with a narrow no-break space, which many fonts lack; it draws
    // nothing, so a thin space's width, a fifth of an em, stands in for it.
    static constexpr std::size_t NarrowSpace = 13;

    void load(const QFont& font)
    {
        m_font = font;
        m_raw = QRawFont::fromFont(font);
        for (std::size_t place = 0; place < Alphabet.size(); ++place) {
            const QList<quint32> glyph = m_raw.glyphIndexesForString(QString(QChar(Alphabet[place])));
            m_glyphs[place] = glyph.size() == 1 ? glyph.first() : 0;
            const QList<QPointF> advance = m_raw.advancesForGlyphIndexes(QList<quint32>{m_glyphs[place]});
            m_advances[place] = advance.isEmpty() ? 0 : advance.first().x();
        }
        if (m_glyphs[NarrowSpace] == 0) {
            m_advances[NarrowSpace] = m_raw.pixelSize() / 5;
        }
    }

    QFont m_font;
    QRawFont m_raw;
    std::array<quint32, Alphabet.size()> m_glyphs{};
    std::array<qreal, Alphabet.size()> m_advances{};
    QList<quint32> m_indexes;
    QList<QPointF> m_positions;
};

// Draws a cell's background and selection as the style does, then its figure straight on
// top: the style's own text layout is most of the cost of a cell, and most cells change
// after every entry.
class FigureDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem cell(option);
        initStyleOption(&cell, index);
        const QString text = cell.text;
        cell.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
        const bool selected = cell.state.testFlag(QStyle::State_Selected);
        painter->setPen(cell.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
        if (!m_glyphs.draw(painter, room, cell.displayAlignment, cell.font, text)) {
            painter->drawText(room, static_cast<int>(cell.displayAlignment), text);
        }
    }

private:
    mutable FigureGlyphs m_glyphs;
};

} // namespace

ChancesTable::ChancesTable(QWidget* parent)
    : QTableWidget(StatisticsModel::ChanceCount, Columns, parent)
{
    setObjectName(QStringLiteral("Chances"));
    setAccessibleName(StatisticsTexts::chancesTitle());
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows told apart by their shade rather than a grid: the grid's lines are redrawn a pixel
    // at a time around every changed cell.
    setAlternatingRowColors(true);
    setShowGrid(false);
    setItemDelegate(new FigureDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QStringList headers;
    for (int column = 0; column < Columns; ++column) {
        headers << StatisticsTexts::chanceHeader(column + 1);
    }
    setHorizontalHeaderLabels(headers);
    horizontalHeaderItem(2)->setToolTip(StatisticsTexts::gapTip());
    horizontalHeaderItem(3)->setToolTip(StatisticsTexts::pTip());
    horizontalHeaderItem(5)->setToolTip(StatisticsTexts::usualRunTip());
    QStringList names;
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        names << StatisticsTexts::chanceName(row);
    }
    setVerticalHeaderLabels(names);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 5);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Every column holds its header and a count of a long game on one line.
    const QFontMetrics metrics(horizontalHeader()->font());
    const int widestFigure = metrics.horizontalAdvance(QStringLiteral("100 000"));
    for (int column = 0; column < Columns; ++column) {
        setColumnWidth(column, std::max(widestFigure, metrics.horizontalAdvance(headers[column])) + 24);
        for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
            QTableWidgetItem* item = makeFigureCell();
            setItem(row, column, item);
            m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = item;
        }
    }
    // The whole table shows at once: no scrolling, nothing cut.
    const int frame = 2 * frameWidth();
    setFixedSize(verticalHeader()->sizeHint().width() + horizontalHeader()->length() + frame,
        horizontalHeader()->sizeHint().height() + verticalHeader()->length() + frame);
}

void ChancesTable::refresh(const StatisticsModel& model)
{
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const QString text
                = StatisticsWords::chanceCell(model, StatisticsModel::chanceAt(row), ShownColumns[column]);
            showFigure(m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)], text);
        }
    }
}

QString ChancesTable::tabSeparated() const
{
    const QChar tab = QLatin1Char('\t');
    QString text = StatisticsTexts::chanceHeader(0);
    for (int column = 0; column < Columns; ++column) {
        text += tab + horizontalHeaderItem(column)->text();
    }
    text += QLatin1Char('\n');
    for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
        text += verticalHeaderItem(row)->text();
        for (const QTableWidgetItem* cell : m_cells[static_cast<std::size_t>(row)]) {
            text += tab + cell->text();
        }
        text += QLatin1Char('\n');
    }
    return text;
}
