// SPDX-License-Identifier: GPL-3.0-or-later
#include "dozens/DozensWindow.h"

#include "dozens/DozenColumnTracker.h"
#include "dozens/DozensTexts.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/Language.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <optional>

namespace {

constexpr int ClientLeft = 45;
constexpr int ClientTop = 2310;
constexpr int ClientWidth = 7155;
constexpr int ClientHeight = 615;

constexpr int ColumnRowTop = 0;
constexpr int DozenRowTop = 360;
constexpr int SquareSize = 255;

// Bold "MS Sans Serif" 9.75 pt as designed. A desktop without that face gets Arial, the
// program's own face, whose metrics keep the row titles inside their labels; asking for the
// missing face would get whatever sans-serif the desktop substitutes, often a wider one.
QFont boldFont()
{
    const QString designed = QStringLiteral("MS Sans Serif");
    QFont font(QFontDatabase::families().contains(designed) ? designed : QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, int index, int left, int top, int width)
{
    auto* label = new QLabel(parent);
    nameControl(label, name, index);
    Twips::place(label, left, top, width, SquareSize);
    Colours::setBackColour(label, Colours::InactiveTitleBar);
    return label;
}

ColourCode indicatorColour(DozenColumnTracker::Indicator indicator)
{
    switch (indicator) {
    case DozenColumnTracker::Indicator::Lit:
        return Colours::Red;
    case DozenColumnTracker::Indicator::Dark:
        return Colours::ButtonFace;
    case DozenColumnTracker::Indicator::Idle:
        break;
    }
    return Colours::InactiveTitleBar;
}

QString squareText(int value)
{
    static const QString texts[4]
        = {QString(), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    return value >= 1 && value <= 3 ? texts[value] : texts[0];
}

// A square in words, "Douzaine du tirage 3 : 2e", the latest draw being the first; made once
// for each language it is read in.
const QString& squareName(Group group, int square, int value)
{
    using Names = std::array<std::array<std::array<QString, 4>, HistoryRow::Length>, 2>;
    static std::optional<Names> madeFor[2];
    std::optional<Names>& names = madeFor[Language::current() == Language::Choice::French ? 0 : 1];
    if (!names) {
        Names made;
        const QString groups[2] = {DozensTexts::columnSquareName(), DozensTexts::dozenSquareName()};
        for (std::size_t g = 0; g < made.size(); ++g) {
            for (int i = 0; i < HistoryRow::Length; ++i) {
                for (std::size_t v = 0; v < 4; ++v) {
                    made[g][static_cast<std::size_t>(i)][v]
                        = groups[g].arg(QString::number(HistoryRow::Length - i),
                            DozensTexts::squareValue(static_cast<int>(v)));
                }
            }
        }
        names = std::move(made);
    }
    const int shown = value >= 1 && value <= 3 ? value : 0;
    return (*names)[group == Group::Columns ? 0 : 1][static_cast<std::size_t>(square)]
                   [static_cast<std::size_t>(shown)];
}

// The blinking indicator in words: idle, or the two dozens (columns) that follow a run of
// the repeated one.
QString indicatorWords(const DozenColumnTracker& tracker, Group which)
{
    const bool columns = which == Group::Columns;
    if (tracker.indicator(which) == DozenColumnTracker::Indicator::Idle) {
        return columns ? DozensTexts::columnsIdle() : DozensTexts::dozensIdle();
    }
    QStringList others;
    for (int other = 1; other <= 3; ++other) {
        if (other != tracker.repeated(which)) {
            others << QString::number(other);
        }
    }
    const QString advised = others.size() == 2 ? DozensTexts::twoOf().arg(others[0], others[1])
                                               : DozensTexts::threeOf().arg(others[0], others[1], others[2]);
    return (columns ? DozensTexts::columnsAdvised() : DozensTexts::dozensAdvised()).arg(advised);
}

} // namespace

DozensWindow::DozensWindow(QWidget* parent)
    : QWidget(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("dozensWindow"));
    setWindowTitle(DozensTexts::title());
    Colours::setBackColour(this, Colours::ButtonFace);
    // Like every side window, it stays above the table's window without taking the focus.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    // Placed by its client area, whatever frame the desktop draws around it. The flags are
    // all set above: changing them later would place the window by its frame instead.
    setGeometry(Twips::toPixels(ClientLeft, ClientTop, ClientWidth, ClientHeight));
    setFixedSize(size());

    buildControls();
    closeOnEscape(this);
}

void DozensWindow::buildControls()
{
    const QFont bold = boldFont();

    m_columnsTitle = makeLabel(this, QStringLiteral("columnsTitle"), -1, 0, ColumnRowTop, 1335);
    m_columnsTitle->setText(DozensTexts::columns());
    m_dozensTitle = makeLabel(this, QStringLiteral("dozensTitle"), -1, 0, DozenRowTop, 1335);
    m_dozensTitle->setText(DozensTexts::dozens());
    for (QLabel* title : {m_columnsTitle, m_dozensTitle}) {
        title->setFont(bold);
        title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The squares are 255 wide on a 240 pitch: neighbours overlap, as designed.
    for (int i = 0; i < HistoryRow::Length; ++i) {
        QLabel* column
            = makeLabel(this, QStringLiteral("columnSquare"), i, 1320 + 240 * i, ColumnRowTop, SquareSize);
        QLabel* dozen
            = makeLabel(this, QStringLiteral("dozenSquare"), i, 1320 + 240 * i, DozenRowTop, SquareSize);
        for (QLabel* square : {column, dozen}) {
            square->setFont(bold);
            square->setAlignment(Qt::AlignCenter);
        }
        m_columnSquares[static_cast<std::size_t>(i)] = column;
        m_dozenSquares[static_cast<std::size_t>(i)] = dozen;
    }

    m_columnsIndicator = makeLabel(this, QStringLiteral("columnsIndicator"), -1, 6120, ColumnRowTop, 615);
    m_dozensIndicator = makeLabel(this, QStringLiteral("dozensIndicator"), -1, 6120, DozenRowTop, 615);

    m_helpButton = makeHelpButton(this, 6840, 120, 255, 375, DozensTexts::help());
    connect(m_helpButton, &QPushButton::clicked, this, &DozensWindow::openHelp);
}

void DozensWindow::refresh(const DozenColumnTracker& tracker)
{
    for (int i = 0; i < HistoryRow::Length; ++i) {
        const int column = tracker.history(Group::Columns).value(i);
        const int dozen = tracker.history(Group::Dozens).value(i);
        m_columnSquares[static_cast<std::size_t>(i)]->setText(squareText(column));
        m_dozenSquares[static_cast<std::size_t>(i)]->setText(squareText(dozen));
        describeForScreenReaders(
            m_columnSquares[static_cast<std::size_t>(i)], squareName(Group::Columns, i, column));
        describeForScreenReaders(
            m_dozenSquares[static_cast<std::size_t>(i)], squareName(Group::Dozens, i, dozen));
    }
    Colours::setBackColour(m_columnsIndicator, indicatorColour(tracker.indicator(Group::Columns)));
    Colours::setBackColour(m_dozensIndicator, indicatorColour(tracker.indicator(Group::Dozens)));
    describeForScreenReaders(m_columnsIndicator, indicatorWords(tracker, Group::Columns));
    describeForScreenReaders(m_dozensIndicator, indicatorWords(tracker, Group::Dozens));
}

void DozensWindow::openHelp()
{
    HelpPages::open(DozensTexts::HelpPage);
}
