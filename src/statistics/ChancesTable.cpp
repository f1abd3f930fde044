#include "statistics/ChancesTable.h"

#include "statistics/StatisticsTexts.h"
#include "statistics/StatisticsWords.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

using Column = StatisticsWords::ChanceColumn;
constexpr Column ShownColumns[]
    = {Column::Observed, Column::Expected, Column::Gap, Column::LongestRun, Column::UsualRun};

// Draws a cell's background and selection as the style does, then its figure straight on
// top: the style's own text layout is most of the cost of a cell, and a figure needs no line
// breaking. Most cells change after every entry.
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
        painter->drawText(
            cell.rect.adjusted(margin, 0, -margin, 0), static_cast<int>(cell.displayAlignment), text);
    }
};

} // namespace

ChancesTable::ChancesTable(QWidget* parent)
    : QTableWidget(StatisticsModel::ChanceCount, Columns, parent)
{
    setObjectName(QStringLiteral("Chances"));
    setAccessibleName(StatisticsTexts::ChancesTitle);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setItemDelegate(new FigureDelegate(this));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    QStringList headers;
    for (int column = 0; column < Columns; ++column) {
        headers << StatisticsTexts::ChanceHeaders[column + 1];
    }
    setHorizontalHeaderLabels(headers);
    horizontalHeaderItem(2)->setToolTip(StatisticsTexts::GapTip);
    horizontalHeaderItem(4)->setToolTip(StatisticsTexts::UsualRunTip);
    QStringList names;
    for (const QString& name : StatisticsTexts::ChanceNames) {
        names << name;
    }
    setVerticalHeaderLabels(names);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    // Every column holds its header and a count of a long game on one line.
    const QFontMetrics metrics(horizontalHeader()->font());
    const int widestFigure = metrics.horizontalAdvance(QStringLiteral("100 000"));
    for (int column = 0; column < Columns; ++column) {
        setColumnWidth(column, std::max(widestFigure, metrics.horizontalAdvance(headers[column])) + 24);
        for (int row = 0; row < StatisticsModel::ChanceCount; ++row) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
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
            QTableWidgetItem* cell = m_cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            if (cell->text() != text) {
                cell->setText(text);
            }
        }
    }
}

QString ChancesTable::tabSeparated() const
{
    const QChar tab = QLatin1Char('\t');
    QString text = StatisticsTexts::ChanceHeaders[0];
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
