#include "dozens/Form5.h"

#include "board/SpokenWords.h"
#include "dozens/DozensModel.h"
#include "dozens/DozensTexts.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>

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

} // namespace

Form5::Form5(const DozensModel& model, QWidget* parent)
    : QWidget(parent,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowStaysOnTopHint)
    , m_model(model)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(DozensTexts::Title);
    Colours::setBackColour(this, Colours::ButtonFace);
    // Like every side window, it stays above the table's window without taking the focus.
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    // Placed by its client area, whatever frame the desktop draws around it. The flags are
    // all set above: changing them later would place the window by its frame instead.
    setGeometry(Twips::toPixels(ClientLeft, ClientTop, ClientWidth, ClientHeight));
    setFixedSize(size());

    buildControls();
    refresh();
}

void Form5::buildControls()
{
    const QFont bold = boldFont();

    m_label3 = makeLabel(this, QStringLiteral("Label3"), -1, 0, ColumnRowTop, 1335);
    m_label3->setText(DozensTexts::Columns);
    m_label4 = makeLabel(this, QStringLiteral("Label4"), -1, 0, DozenRowTop, 1335);
    m_label4->setText(DozensTexts::Dozens);
    for (QLabel* title : {m_label3, m_label4}) {
        title->setFont(bold);
        title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

    // The squares are 255 wide on a 240 pitch: neighbours overlap, as designed.
    for (int i = 0; i < HistoryRow::Length; ++i) {
        QLabel* column
            = makeLabel(this, QStringLiteral("Label1"), i, 1320 + 240 * i, ColumnRowTop, SquareSize);
        QLabel* dozen = makeLabel(this, QStringLiteral("Label2"), i, 1320 + 240 * i, DozenRowTop, SquareSize);
        for (QLabel* square : {column, dozen}) {
            square->setFont(bold);
            square->setAlignment(Qt::AlignCenter);
        }
        m_label1[static_cast<std::size_t>(i)] = column;
        m_label2[static_cast<std::size_t>(i)] = dozen;
    }

    m_label5 = makeLabel(this, QStringLiteral("Label5"), -1, 6120, ColumnRowTop, 615);
    m_label6 = makeLabel(this, QStringLiteral("Label6"), -1, 6120, DozenRowTop, 615);

    m_command2 = new QPushButton(this);
    nameControl(m_command2, QStringLiteral("Command2"));
    Twips::place(m_command2, 6840, 120, 255, 375);
    m_command2->setIcon(Pictures::helpBulb());
    m_command2->setIconSize(m_command2->size() - QSize(4, 4));
    m_command2->setToolTip(DozensTexts::Help);
    m_command2->setAccessibleName(DozensTexts::Help);
    m_command2->setAutoDefault(false);
    connect(m_command2, &QPushButton::clicked, this, &Form5::Command2_Click);
}

void Form5::refresh()
{
    for (int i = 0; i < HistoryRow::Length; ++i) {
        m_label1[static_cast<std::size_t>(i)]->setText(m_model.columns().caption(i));
        m_label2[static_cast<std::size_t>(i)]->setText(m_model.dozens().caption(i));
    }
    Colours::setBackColour(m_label5, m_model.label5Colour());
    Colours::setBackColour(m_label6, m_model.label6Colour());
    describeForScreenReaders(m_label5,
        SpokenWords::groupIndicator(
            QStringLiteral("Colonnes"), m_model.label5Colour(), m_model.clignocolone()));
    describeForScreenReaders(m_label6,
        SpokenWords::groupIndicator(
            QStringLiteral("Douzaines"), m_model.label6Colour(), m_model.clignodouze()));
}

void Form5::Command2_Click()
{
    HelpPages::open(DozensTexts::HelpPage);
}
