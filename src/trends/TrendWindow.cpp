// SPDX-License-Identifier: GPL-3.0-or-later
#include "trends/TrendWindow.h"

#include "platform/Colours.h"
#include "platform/DecimalText.h"
#include "platform/HelpPages.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"
#include "trends/EvenChanceTracker.h"
#include "trends/TrendTexts.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

struct WindowDesign
{
    const char* name;
    int left, top, width, height; // client area, twips
    qreal cellFontPoints; // history cells of the text windows
    int alternationLeft, alternationTop, alternationWidth, alternationHeight; // the hidden alternation count
};

constexpr WindowDesign Designs[EvenChanceCount] = {
    {"colourTrendWindow", -30, 315, 7575, 315, 0, 3240, 1320, 975, 375},
    {"passeManqueTrendWindow", -15, 960, 7590, 315, 12, 3240, 1440, 1215, 255},
    {"pairImpairTrendWindow", -15, 1605, 7590, 345, 9.75, 3360, 1320, 975, 255},
};

// Where each counter's four labels stand: left half for "over 4", right half for "over 5";
// repetitions on rows 1 and 2, alternations on rows 3 and 4.
struct CounterPlaces
{
    int riskLeft, riskTop, warningLeft, normalLeft, normalTop, countLeft;
};
constexpr CounterPlaces Places[4] = {
    {0, 360, 2760, 0, 600, 3120},
    {3840, 360, 6600, 3840, 600, 6960},
    {0, 840, 2760, 0, 1080, 3120},
    {3840, 840, 6600, 3840, 1080, 6960},
};

// What a cell shows: a colour in the colour window, a text in the two others.
ColourCode cellColour(Mark mark)
{
    switch (mark) {
    case Mark::FirstSide:
        return Colours::Red;
    case Mark::SecondSide:
        return Colours::Grey;
    case Mark::Zero:
        return Colours::Green;
    case Mark::Unwritten:
        break;
    }
    return Colours::InactiveTitleBar;
}

QString cellText(EvenChance pair, Mark mark)
{
    using Texts = std::array<std::array<QString, 2>, 2>;
    const Texts& texts = TrendWords::translatedOnce([] {
        return Texts{{{TrendTexts::LowSign, TrendTexts::HighSign},
            {TrendTexts::oddInitial(), TrendTexts::evenInitial()}}};
    });
    if (!EvenChances::isSide(mark)) {
        return {};
    }
    return texts[pair == EvenChance::PasseManque ? 0 : 1][mark == Mark::FirstSide ? 0 : 1];
}

ColourCode warningColour(EvenChanceTracker::Warning warning)
{
    switch (warning) {
    case EvenChanceTracker::Warning::Orange:
        return Colours::Orange;
    case EvenChanceTracker::Warning::Red:
        return Colours::Red;
    case EvenChanceTracker::Warning::None:
        break;
    }
    return Colours::InactiveTitleBar;
}

QString writeChanceCaption(int length)
{
    return TrendTexts::chance((length + 10) * 10);
}

// The advice caption: the chance the run or alternation gives. Runs and alternations are never
// longer than the history, so their captions are made once.
QString chanceCaption(int length)
{
    const auto& captions = TrendWords::translatedOnce([] {
        std::array<QString, EvenChanceTracker::HistoryLength + 1> made;
        for (std::size_t i = 0; i < made.size(); ++i) {
            made[i] = writeChanceCaption(static_cast<int>(i));
        }
        return made;
    });
    if (length >= 0 && length <= EvenChanceTracker::HistoryLength) {
        return captions[static_cast<std::size_t>(length)];
    }
    return writeChanceCaption(length);
}

} // namespace

TrendWindow::TrendWindow(EvenChance pair, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_pair(pair)
{
    const WindowDesign& design = Designs[static_cast<int>(pair)];
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(TrendTexts::windowCaption(pair));
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    Colours::setBackColour(this, Colours::ButtonFace);
    const QRect client = Twips::toPixels(design.left, design.top, design.width, design.height);
    setGeometry(client);
    setFixedWidth(client.width());

    buildControls();
    closeOnEscape(this);

    m_slideTimer = new QTimer(this);
    m_slideTimer->setObjectName(QStringLiteral("slideTimer"));
    m_slideTimer->setInterval(SlideModel::TickInterval);
    connect(m_slideTimer, &QTimer::timeout, this, &TrendWindow::slideTick);

    showSlide();
}

QLabel* TrendWindow::addLabel(const QString& name, int index, int left, int top, int width, int height,
    const QString& caption, ColourCode back)
{
    auto* label = new QLabel(caption, this);
    nameControl(label, name, index);
    Twips::place(label, left, top, width, height);
    Colours::setBackColour(label, back);
    return label;
}

void TrendWindow::buildControls()
{
    const WindowDesign& design = Designs[static_cast<int>(m_pair)];
    const bool colourWindow = m_pair == EvenChance::Colour;

    QFont cellFont(QStringLiteral("MS Sans Serif"));
    cellFont.setStyleHint(QFont::SansSerif);
    cellFont.setBold(true);
    if (design.cellFontPoints > 0) {
        cellFont.setPointSizeF(design.cellFontPoints);
    }
    for (int i = 0; i < EvenChanceTracker::CellCount; ++i) {
        QWidget* cell = nullptr;
        if (colourWindow) {
            cell = new QLabel(this);
            nameControl(cell, QStringLiteral("historyCell"), i);
            static_cast<QLabel*>(cell)->setFrameShape(QFrame::Panel);
            static_cast<QLabel*>(cell)->setFrameShadow(QFrame::Sunken);
        } else {
            auto* box = new TextBox(this);
            nameControl(box, QStringLiteral("historyCell"), i);
            box->setAlignment(Qt::AlignCenter);
            box->setFont(cellFont);
            box->setFocusPolicy(Qt::NoFocus);
            cell = box;
        }
        const int left = i == EvenChanceTracker::SuggestionCell ? 6720 : 240 * i;
        Twips::place(cell, left, 0, 255, 285);
        Colours::setBackColour(cell, Colours::InactiveTitleBar);
        m_cells[static_cast<std::size_t>(i)] = cell;
    }

    m_adviceLabel = addLabel(
        QStringLiteral("adviceLabel"), -1, 4800, 0, 1815, 255, QStringLiteral("Label1"), Colours::ButtonFace);
    m_adviceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_slideButton = new QPushButton(this);
    nameControl(m_slideButton, QStringLiteral("slideButton"));
    Twips::place(m_slideButton, 7080, 0, 255, 375);
    m_slideButton->setAccessibleName(TrendTexts::slideName());
    m_slideButton->setToolTip(m_slideButton->accessibleName());
    connect(m_slideButton, &QPushButton::clicked, this, &TrendWindow::toggleSlide);

    m_helpButton = new QPushButton(this);
    nameControl(m_helpButton, QStringLiteral("helpButton"));
    Twips::place(m_helpButton, 7320, 0, 255, 375);
    m_helpButton->setIcon(Pictures::helpBulb());
    m_helpButton->setProperty("Tag", QStringLiteral("0"));
    m_helpButton->setAccessibleName(TrendTexts::helpTip());
    m_helpButton->setToolTip(TrendTexts::helpTip());
    connect(m_helpButton, &QPushButton::clicked, this, &TrendWindow::openHelp);

    for (int kind = 0; kind < EvenChanceTracker::CounterCount; ++kind) {
        const CounterPlaces& place = Places[kind];
        addLabel(QStringLiteral("riskCaption"), kind, place.riskLeft, place.riskTop, 2655, 255,
            TrendTexts::riskCaption(kind), Colours::InactiveTitleBar);
        m_warningBoxes[static_cast<std::size_t>(kind)] = addLabel(QStringLiteral("warningBox"), kind,
            place.warningLeft, place.riskTop, 975, 255, QString(), Colours::InactiveTitleBar);
        const QLabel* normal = addLabel(QStringLiteral("normalCaption"), kind, place.normalLeft,
            place.normalTop, 3135, 255, TrendTexts::normalCaption(kind), Colours::ButtonFace);
        QLabel* count = addLabel(QStringLiteral("counter"), kind, place.countLeft, place.normalTop, 615, 255,
            QString(), Colours::InactiveTitleBar);
        count->setAlignment(Qt::AlignCenter);
        m_countLabels[static_cast<std::size_t>(kind)] = count;
        // A count too long for its label may take the free space between its caption's text
        // and the next caption (or the window's edge).
        const int right = place.normalLeft == 0 ? Twips::toPixels(Places[1].normalLeft) : width();
        m_countPlaces[static_cast<std::size_t>(kind)] = count->geometry();
        m_countRooms[static_cast<std::size_t>(kind)]
            = QRect(QPoint(textEnd(normal, normal->text()), count->y()),
                QPoint(right - 1, count->geometry().bottom()));
    }

    m_alternationCountLabel = addLabel(QStringLiteral("alternationCountLabel"), -1, design.alternationLeft,
        design.alternationTop, design.alternationWidth, design.alternationHeight, QStringLiteral("Label10"),
        Colours::ButtonFace);
    m_alternationCountLabel->setVisible(false);
}

void TrendWindow::refresh(const EvenChanceTracker& tracker)
{
    for (int i = 0; i < EvenChanceTracker::CellCount; ++i) {
        const Mark mark = tracker.cell(i);
        QWidget* cell = m_cells[static_cast<std::size_t>(i)];
        if (m_pair == EvenChance::Colour) {
            Colours::setBackColour(cell, cellColour(mark));
        } else if (auto* box = qobject_cast<TextBox*>(cell); box && box->text() != cellText(m_pair, mark)) {
            box->setText(cellText(m_pair, mark));
        }
    }
    // Before the first entry the two labels still show their design names.
    const bool shown = tracker.isShown();
    const QString advice = !shown    ? QStringLiteral("Label1")
        : tracker.adviceLength() > 0 ? chanceCaption(tracker.adviceLength())
                                     : QString();
    m_adviceLabel->setText(advice);
    Colours::setBackColour(m_adviceLabel, tracker.isAdviceLit() ? Colours::Red : Colours::ButtonFace);
    m_alternationCountLabel->setText(
        shown ? DecimalText::of(tracker.alternationCount()) : QStringLiteral("Label10"));
    // From a million draws on, a count by the window's right edge may lack a pixel or two of
    // room: the window widens by what it lacks, and has its designed width back after.
    const int designedWidth = Twips::toPixels(Designs[static_cast<int>(m_pair)].width);
    int lacking = 0;
    for (int kind = 0; kind < EvenChanceTracker::CounterCount; ++kind) {
        const EvenChanceTracker::Counter& counter = tracker.counter(kind);
        QLabel* count = m_countLabels[static_cast<std::size_t>(kind)];
        const QRect& room = m_countRooms[static_cast<std::size_t>(kind)];
        count->setText(counter.drawsSince >= 1 ? DecimalText::of(counter.drawsSince) : QString());
        const int needed = fitLabel(count, m_countPlaces[static_cast<std::size_t>(kind)], room);
        if (needed > room.width() && room.right() + 1 >= designedWidth) {
            count->setGeometry(QRect(room.topLeft(), QSize(needed, room.height())));
            lacking = qMax(lacking, needed - room.width());
        }
        Colours::setBackColour(
            m_warningBoxes[static_cast<std::size_t>(kind)], warningColour(counter.warning));
    }
    if (width() != designedWidth + lacking) {
        setFixedWidth(designedWidth + lacking);
    }

    // Said in words what the cells and warning boxes show by colour.
    for (int i = 0; i < EvenChanceTracker::HistoryLength; ++i) {
        describeForScreenReaders(
            m_cells[static_cast<std::size_t>(i)], TrendWords::markWord(m_pair, tracker.cell(i)));
    }
    const Mark suggestion = tracker.suggestion();
    describeForScreenReaders(m_cells[EvenChanceTracker::SuggestionCell],
        TrendTexts::suggestionName(TrendWords::markWord(m_pair, suggestion)));
    describeForScreenReaders(m_adviceLabel, TrendWords::adviceText(advice, m_pair, suggestion));
    for (int kind = 0; kind < EvenChanceTracker::CounterCount; ++kind) {
        describeForScreenReaders(m_warningBoxes[static_cast<std::size_t>(kind)],
            TrendTexts::warningName(
                TrendTexts::riskCaption(kind), TrendWords::warningWord(tracker.counter(kind).warning)));
        describeForScreenReaders(m_countLabels[static_cast<std::size_t>(kind)],
            TrendWords::counterName(kind, tracker.counter(kind).drawsSince));
    }
}

void TrendWindow::toggleSlide()
{
    m_slide.toggle();
    showSlide();
}

void TrendWindow::slideTick()
{
    m_slide.tick();
    showSlide();
}

void TrendWindow::openHelp()
{
    HelpPages::open(TrendTexts::HelpPage);
}

void TrendWindow::showSlide()
{
    Twips::setClientHeightFromOuter(this, m_slide.height(), Twips::Frame::Window);
    m_slideButton->setEnabled(m_slide.isButtonEnabled());
    // The button's tag says what its next click does: "0" opens, "1" closes.
    m_slideButton->setProperty("Tag", m_slide.opensNext() ? QStringLiteral("0") : QStringLiteral("1"));
    const QString picture = m_slide.arrowPointsUp() ? TrendTexts::UpArrow : TrendTexts::DownArrow;
    if (m_shownPicture != picture) {
        m_shownPicture = picture;
        // A missing arrow leaves the button without a picture.
        m_slideButton->setIcon(Pictures::load(m_shownPicture));
    }
    if (m_slide.isTimerEnabled() && !m_slideTimer->isActive()) {
        m_slideTimer->start();
    } else if (!m_slide.isTimerEnabled() && m_slideTimer->isActive()) {
        m_slideTimer->stop();
    }
}
