// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/Form1.h"

#include "board/BoardTexts.h"
#include "board/BoardWords.h"
#include "dozens/Form5.h"
#include "games/GameLibrary.h"
#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/DecimalText.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/SpeechEngine.h"
#include "platform/TopMost.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"
#include "roulette/NumberWords.h"
#include "simulation/Form7.h"
#include "speech/SpeechIndicator.h"
#include "stakes/FrMise.h"
#include "statistics/StatisticsWindow.h"
#include "trends/TrendWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int ClientWidth = 5490;
constexpr int ScreenLeft = 105;
constexpr int ScreenTop = 3375;
// Outer heights: the advice row hidden, and shown.
constexpr int CollapsedHeight = 1780;
constexpr int AdviceHeight = 2040;
// The speech indicator: small while spoken advice is off, large while on.
constexpr QRect SmallIndicator{120, 720, 135, 135};
constexpr QRect LargeIndicator{0, 600, 375, 375};

ColourCode colourOf(int number)
{
    switch (Roulette::colourOf(number)) {
    case Roulette::NumberColour::Red:
        return Colours::Red;
    case Roulette::NumberColour::Black:
        return Colours::Grey;
    case Roulette::NumberColour::Green:
        break;
    }
    return Colours::Green;
}

ColourCode colourOf(WaitingLevel level)
{
    switch (level) {
    case WaitingLevel::Orange:
        return Colours::Orange;
    case WaitingLevel::Red:
        return Colours::Red;
    case WaitingLevel::Green:
        break;
    }
    return Colours::Green;
}

// Text2 to Text4 are the dozens, Text5 to Text7 the columns.
bool isBoxAdvised(const Table& table, int box)
{
    return box < 3 ? table.dozenColumns().isAdvised(Group::Dozens, box + 1)
                   : table.dozenColumns().isAdvised(Group::Columns, box - 2);
}

QString toolTipOf(int hits)
{
    if (hits == 0) {
        return {};
    }
    return QLatin1Char(' ') + QString::number(hits) + BoardTexts::HitCountSuffix;
}

QLabel* makeLabel(QWidget* parent, const QString& name, int index, int left, int top, int width, int height)
{
    auto* label = new QLabel(parent);
    nameControl(label, name, index);
    Twips::place(label, left, top, width, height);
    label->setAlignment(Qt::AlignCenter);
    Colours::setBackColour(label, Colours::InactiveTitleBar);
    return label;
}

// A square of the strip or of the candidate row: a number on its colour, or empty (-1).
void showNumberSquare(QLabel* label, int number)
{
    const bool empty = number < 0;
    label->setText(empty ? QString() : DecimalText::of(number));
    Colours::setBackColour(label, empty ? Colours::InactiveTitleBar : colourOf(number));
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Application::title());
    setWindowIcon(Pictures::applicationIcon());
    Colours::setBackColour(this, Colours::InactiveTitleBar);
    setFixedWidth(Twips::toPixels(ClientWidth));
    move(Twips::toPixels(ScreenLeft), Twips::toPixels(ScreenTop));

    buildControls();
    setTabOrder();
    buildMenu();
    auto* statistics = new QAction(BoardTexts::MenuStatistics, this);
    statistics->setObjectName(QStringLiteral("statistics"));
    statistics->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(statistics, &QAction::triggered, this, &Form1::openStatistics);
    addStatisticsItem(statistics);
    addAction(statistics); // Ctrl+T with the menu closed
    // Digits typed on the board reach it whichever of its controls has the focus.
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->installEventFilter(this);
    }
    m_typed = new TypedNumber(this);
    connect(m_typed, &TypedNumber::numberTyped, this, &Form1::Text1_Click);

    // The three trend windows exist from the start, hidden until the first entry.
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        m_trendWindows[static_cast<std::size_t>(pair)] = new TrendWindow(static_cast<EvenChance>(pair), this);
    }

    for (int timer = 1; timer <= BlinkTimerCount; ++timer) {
        auto* blink = new QTimer(this);
        blink->setObjectName(QStringLiteral("Timer%1").arg(timer));
        blink->setInterval(500);
        connect(blink, &QTimer::timeout, this, [this, timer] { blinkTimerTick(timer); });
        m_blinkTimers[static_cast<std::size_t>(timer - 1)] = blink;
    }

    // The board stays above the table's own window, without taking the focus from it; it
    // takes the keyboard when the player clicks it or switches to it.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating, true);
    setFocusPolicy(Qt::ClickFocus);
    // The hit counts live in the cells' tooltips: they must show on a board that never
    // takes the focus.
    setAttribute(Qt::WA_AlwaysShowToolTips, true);

    refresh();
}

void Form1::buildControls()
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        auto* cell = new TextBox(this);
        nameControl(cell, QStringLiteral("Text1"), n);
        const int left = n == 0 ? 0 : 360 * (1 + (n - 1) / 3);
        const int top = n == 0 ? 240 : (n % 3 == 1 ? 480 : (n % 3 == 2 ? 240 : 0));
        Twips::place(cell, left, top, 375, 285);
        cell->setAlignment(Qt::AlignCenter);
        cell->setText(QString::number(n));
        Colours::setBackColour(cell, colourOf(n));
        Colours::setForeColour(cell, Colours::WindowText);
        connect(cell, &TextBox::clicked, this, [this, n] { Text1_Click(n); });
        m_text1[static_cast<std::size_t>(n)] = cell;
    }

    struct BoxPlace
    {
        int left, top, width;
    };
    static constexpr BoxPlace BoxPlaces[DozenColumnBoxCount] = {
        {360, 720, 1455},
        {1800, 720, 1455},
        {3240, 720, 1335},
        {4680, 480, 615},
        {4680, 240, 615},
        {4680, 0, 615},
    };
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        auto* box = new TextBox(this);
        nameControl(box, QStringLiteral("Text%1").arg(i + 2));
        Twips::place(box, BoxPlaces[i].left, BoxPlaces[i].top, BoxPlaces[i].width, 285);
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        box->setText(BoardTexts::DozenColumnBoxes[i]);
        box->setCursorPosition(0);
        m_dozenColumnBoxes[static_cast<std::size_t>(i)] = box;
    }

    m_label3 = makeLabel(this, QStringLiteral("Label3"), -1, 0, 960, 495, 255);
    m_label2 = makeLabel(this, QStringLiteral("Label2"), -1, 480, 960, 2175, 255);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        m_label1[static_cast<std::size_t>(i)]
            = makeLabel(this, QStringLiteral("Label1"), i, 2640 + 240 * i, 960, 255, 255);
    }
    m_label4 = makeLabel(this, QStringLiteral("Label4"), -1, 4560, 720, 495, 255);
    m_label4->setToolTip(BoardTexts::DrawCountTip);
    for (int i = 0; i < Table::StripLength; ++i) {
        m_label5[static_cast<std::size_t>(i)]
            = makeLabel(this, QStringLiteral("Label5"), i, 240 * i, 1200, 255, 255);
    }
    m_label7 = makeLabel(this, QStringLiteral("Label7"), -1, 0, 1440, 3255, 255);
    m_label7->setText(BoardTexts::AdviceRow);
    m_label7->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Colours::setForeColour(m_label7, Colours::White);
    m_label8 = makeLabel(this, QStringLiteral("Label8"), -1, 3240, 1440, 2295, 255);

    m_comMise = new QPushButton(BoardTexts::Stakes, this);
    nameControl(m_comMise, QStringLiteral("ComMise"));
    Twips::place(m_comMise, 0, 0, 375, 255);

    m_command2 = new StackedCaptionButton(BoardTexts::Simulate, this);
    nameControl(m_command2, QStringLiteral("Command2"));
    Twips::place(m_command2, 5280, 0, 255, 1455);

    m_command1 = new QPushButton(this);
    nameControl(m_command1, QStringLiteral("Command1"));
    Twips::place(m_command1, 5040, 720, 255, 495);
    m_command1->setIcon(Pictures::helpBulb());
    m_command1->setIconSize(m_command1->size() - QSize(4, 4));
    m_command1->setToolTip(QStringLiteral("Aide"));
    m_command1->setAccessibleName(QStringLiteral("Aide"));
    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(m_command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(m_comMise, &QPushButton::clicked, this, &Form1::ComMise_Click);

    for (QPushButton* button : {m_comMise, m_command1, m_command2}) {
        button->setAutoDefault(false);
    }

    m_directSS1 = new SpeechIndicator(this);
    nameControl(m_directSS1, QStringLiteral("DirectSS1"));
    connect(m_directSS1, &SpeechIndicator::clicked, this, &Form1::basculeParole);
    placeSpeechIndicator();

    m_speech = new SpeechQueue([] { return createDesktopSpeechEngine(); }, this);
}

// Cells first (tab index = number), then the dozen and column boxes, then the help,
// simulation and stake buttons.
void Form1::setTabOrder()
{
    QList<QWidget*> chain;
    for (TextBox* cell : m_text1) {
        chain.append(cell);
    }
    for (TextBox* box : m_dozenColumnBoxes) {
        chain.append(box);
    }
    chain << m_command1 << m_command2 << m_comMise << m_directSS1;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

bool Form1::Text1_Click(int index)
{
    if (!Roulette::isValidNumber(index)) {
        return false;
    }
    // One question at a time: an entry asked for while another entry's question is still
    // open (the player's own, when a simulator tick comes) is not started, rather than
    // stacking a second box on the first.
    if (MessageBox::isOpen()) {
        return false;
    }
    keptGames();
    const int answer = MessageBox::show(this, BoardTexts::ConfirmPrompt + QString::number(index),
        MessageBox::YesNo | MessageBox::Information | MessageBox::DefaultButton2, BoardTexts::ConfirmTitle);
    if (answer != MessageBox::Yes) {
        return false;
    }
    m_table.enter(index);
    refresh();
    showSideWindows();
    restartBlinkTimers();
    for (const QString& phrase : m_table.spokenPhrases()) {
        m_speech->speak(phrase);
    }
    takeBackFocus();
    journalLater({index});
    return true;
}

// The dozen and column window comes with the first entry, and every entry shows it again,
// even after the player closed it.
void Form1::showForm5()
{
    if (m_table.tirage() == 0) {
        return;
    }
    if (!m_form5) {
        m_form5 = new Form5(this);
        m_form5->refresh(m_table.dozenColumns());
    }
    TopMost::show(m_form5);
}

// Side windows were shown during the entry: when one of ours holds the focus, it goes back
// to the board. The focus is never taken from another program's window.
void Form1::takeBackFocus()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active != this) {
        activateWindow();
    }
}

// Every entry stops all blinking first; a timer its advice started again ticks one full
// interval after the entry.
void Form1::restartBlinkTimers()
{
    for (int timer = 1; timer <= BlinkTimerCount; ++timer) {
        QTimer* blink = m_blinkTimers[static_cast<std::size_t>(timer - 1)];
        blink->stop();
        if (m_table.isBlinking(static_cast<BlinkTimer>(timer - 1))) {
            blink->start();
        }
    }
}

void Form1::blinkTimerTick(int timer)
{
    m_table.blinkTick(static_cast<BlinkTimer>(timer - 1));
    refresh();
}

void Form1::basculeParole()
{
    m_table.basculeParole();
    placeSpeechIndicator();
}

// The indicator takes its four measures one after the other: height, left, top, width.
void Form1::placeSpeechIndicator()
{
    const QRect twips = m_table.speaksAdvice() ? LargeIndicator : SmallIndicator;
    const QRect pixels = Twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height());
    m_directSS1->resize(m_directSS1->width(), pixels.height());
    m_directSS1->move(pixels.left(), m_directSS1->y());
    m_directSS1->move(pixels.left(), pixels.top());
    m_directSS1->resize(pixels.width(), pixels.height());
    m_directSS1->showState(m_table.speaksAdvice());
    m_directSS1->raise();
}

void Form1::setSpeechEngineFactory(SpeechQueue::EngineFactory factory)
{
    delete m_speech;
    m_speech = new SpeechQueue(std::move(factory), this);
}

void Form1::Command1_Click()
{
    HelpPages::open(BoardTexts::HelpPage);
}

// The simulator and the stake calculator are made when first asked for, and again after the
// player has closed them; asked for while open, the same window comes up.
void Form1::Command2_Click()
{
    if (!m_form7) {
        m_form7 = new Form7(this);
        // Queued: the simulator's tick is over before the entry asks its question, so the
        // player may close the simulator while the question is open.
        connect(m_form7, &Form7::numberDrawn, this, &Form1::Text1_Click, Qt::QueuedConnection);
        placeBesideBoard(m_form7, 0);
    }
    TopMost::show(m_form7);
}

void Form1::ComMise_Click()
{
    if (!m_frMise) {
        m_frMise = new FrMise(this);
        placeBesideBoard(m_frMise, Twips::toPixels(1530) + 16);
    }
    TopMost::show(m_frMise);
}

// The simulator and the stake calculator open to the right of the board (the calculator under
// the running simulator), where they hide neither the board nor the trend windows above it;
// on a narrow screen they stay on it.
void Form1::placeBesideBoard(QWidget* window, int below)
{
    QPoint place(frameGeometry().right() + 12, y() + below);
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const QSize size = window->frameGeometry().size().expandedTo(window->sizeHint());
        place.setX(qBound(area.left(), place.x(), qMax(area.left(), area.right() - size.width())));
        place.setY(qBound(area.top(), place.y(), qMax(area.top(), area.bottom() - size.height())));
    }
    window->move(place);
}

Form7* Form1::simulator() const
{
    return m_form7;
}

// Like the side windows, the statistics stay above the table's window; closed, they come
// back as they were, brought up to date.
void Form1::openStatistics()
{
    if (!m_statisticsWindow) {
        m_statisticsWindow = new StatisticsWindow(this);
    }
    m_statisticsWindow->refresh(m_table.statistics());
    TopMost::show(m_statisticsWindow);
}

FrMise* Form1::stakeCalculator() const
{
    return m_frMise;
}

void Form1::refresh()
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        TextBox* box = m_text1[static_cast<std::size_t>(n)];
        Colours::setForeColour(box, m_table.isNumberLit(n) ? Colours::Yellow : Colours::WindowText);
        const QString tip = toolTipOf(m_table.hitCount(n));
        if (box->toolTip() != tip) {
            box->setToolTip(tip);
        }
    }
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        Colours::setBackColour(m_dozenColumnBoxes[static_cast<std::size_t>(i)],
            isBoxAdvised(m_table, i) ? Colours::Yellow : Colours::InactiveTitleBar);
    }
    const NumberAdvice& advice = m_table.numberAdvice();
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        showNumberSquare(m_label1[static_cast<std::size_t>(i)], advice.candidate(i));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        showNumberSquare(m_label5[static_cast<std::size_t>(i)], m_table.stripNumber(i));
    }
    const int level = m_table.repetitionSorti();
    m_label2->setText(level == 0
            ? BoardTexts::LevelNotYetDrawn
            : BoardTexts::LevelPrefix + QString::number(level) + BoardTexts::LevelSuffix);
    m_label3->setText(
        m_table.shownLevelCount() == 0 ? QString() : DecimalText::of(m_table.shownLevelCount()));
    m_label4->setText(m_table.tirage() == 0 ? QString() : DecimalText::of(m_table.tirage()));
    Colours::setBackColour(m_label8, colourOf(advice.waitingLevel()));
    Twips::setClientHeightFromOuter(
        this, advice.isAdviceRowShown() ? AdviceHeight : CollapsedHeight, Twips::Frame::ToolWindow);
    for (TrendWindow* window : m_trendWindows) {
        window->refresh(m_table.evenChance(window->pair()));
    }
    if (m_form5) {
        m_form5->refresh(m_table.dozenColumns());
    }
    describeForScreenReaders();
    updateMenu();
}

// Colour is never the only sign: every number says its colour, every advice its state.
void Form1::describeForScreenReaders()
{
    const NumberAdvice& advice = m_table.numberAdvice();
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        ::describeForScreenReaders(
            m_label1[static_cast<std::size_t>(i)], NumberWords::numberName(advice.candidate(i)));
    }
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        ::describeForScreenReaders(m_text1[static_cast<std::size_t>(n)], NumberWords::numberName(n),
            BoardWords::cellDescription(
                m_text1[static_cast<std::size_t>(n)]->toolTip(), advice.isCandidate(n)));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        ::describeForScreenReaders(
            m_label5[static_cast<std::size_t>(i)], NumberWords::numberName(m_table.stripNumber(i)));
    }
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        ::describeForScreenReaders(m_dozenColumnBoxes[static_cast<std::size_t>(i)],
            BoardTexts::DozenColumnBoxes[i].trimmed(), BoardWords::boxDescription(isBoxAdvised(m_table, i)));
    }
    ::describeForScreenReaders(m_label8, BoardWords::waitingIndicator(advice.waitingLevel()));
    ::describeForScreenReaders(m_label3, QStringLiteral("Numéros à ce niveau : ") + m_label3->text());
    ::describeForScreenReaders(m_label4, BoardTexts::DrawCountTip + QStringLiteral(" : ") + m_label4->text());
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Closing the board ends the game and the program: the game goes to the previous games,
    // and the next start is an empty board.
    if (GameLibrary* games = keptGames()) {
        games->journal().endGame();
    }
    for (TrendWindow* window : m_trendWindows) {
        window->hide();
    }
    event->accept();
    QCoreApplication::quit();
}
