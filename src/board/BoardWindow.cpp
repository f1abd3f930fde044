// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardWindow.h"

#include "board/BoardTexts.h"
#include "board/BoardWords.h"
#include "dozens/DozensWindow.h"
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
#include "simulation/SimulatorWindow.h"
#include "speech/SpeechIndicator.h"
#include "stakes/StakeCalculatorWindow.h"
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

// The first three boxes are the dozens, the last three the columns.
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

BoardWindow::BoardWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("boardWindow"));
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
    connect(statistics, &QAction::triggered, this, &BoardWindow::openStatistics);
    addStatisticsItem(statistics);
    addAction(statistics); // Ctrl+T with the menu closed
    // Digits typed on the board reach it whichever of its controls has the focus.
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->installEventFilter(this);
    }
    m_typed = new TypedNumber(this);
    connect(m_typed, &TypedNumber::numberTyped, this, &BoardWindow::confirmAndEnter);

    // The three trend windows exist from the start, hidden until the first entry.
    for (int pair = 0; pair < EvenChanceCount; ++pair) {
        m_trendWindows[static_cast<std::size_t>(pair)] = new TrendWindow(static_cast<EvenChance>(pair), this);
    }

    static const char* const blinkNames[BlinkTimerCount] = {
        "colourBlink", "passeManqueBlink", "pairImpairBlink", "columnsBlink", "dozensBlink", "numbersBlink"};
    for (int timer = 1; timer <= BlinkTimerCount; ++timer) {
        auto* blink = new QTimer(this);
        blink->setObjectName(QString::fromLatin1(blinkNames[timer - 1]));
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

void BoardWindow::buildControls()
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        auto* cell = new TextBox(this);
        nameControl(cell, QStringLiteral("numberCell"), n);
        const int left = n == 0 ? 0 : 360 * (1 + (n - 1) / 3);
        const int top = n == 0 ? 240 : (n % 3 == 1 ? 480 : (n % 3 == 2 ? 240 : 0));
        Twips::place(cell, left, top, 375, 285);
        cell->setAlignment(Qt::AlignCenter);
        cell->setText(QString::number(n));
        Colours::setBackColour(cell, colourOf(n));
        Colours::setForeColour(cell, Colours::WindowText);
        connect(cell, &TextBox::clicked, this, [this, n] { confirmAndEnter(n); });
        m_numberCells[static_cast<std::size_t>(n)] = cell;
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
        nameControl(box, QStringLiteral("dozenColumnBox"), i);
        Twips::place(box, BoxPlaces[i].left, BoxPlaces[i].top, BoxPlaces[i].width, 285);
        box->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        box->setText(BoardTexts::DozenColumnBoxes[i]);
        box->setCursorPosition(0);
        m_dozenColumnBoxes[static_cast<std::size_t>(i)] = box;
    }

    m_levelCountLabel = makeLabel(this, QStringLiteral("levelCountLabel"), -1, 0, 960, 495, 255);
    m_levelLabel = makeLabel(this, QStringLiteral("levelLabel"), -1, 480, 960, 2175, 255);
    m_levelLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        m_candidateSquares[static_cast<std::size_t>(i)]
            = makeLabel(this, QStringLiteral("candidateSquare"), i, 2640 + 240 * i, 960, 255, 255);
    }
    m_drawCountLabel = makeLabel(this, QStringLiteral("drawCountLabel"), -1, 4560, 720, 495, 255);
    m_drawCountLabel->setToolTip(BoardTexts::DrawCountTip);
    for (int i = 0; i < Table::StripLength; ++i) {
        m_stripSquares[static_cast<std::size_t>(i)]
            = makeLabel(this, QStringLiteral("stripSquare"), i, 240 * i, 1200, 255, 255);
    }
    m_adviceRowCaption = makeLabel(this, QStringLiteral("adviceRowCaption"), -1, 0, 1440, 3255, 255);
    m_adviceRowCaption->setText(BoardTexts::AdviceRow);
    m_adviceRowCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Colours::setForeColour(m_adviceRowCaption, Colours::White);
    m_waitingIndicator = makeLabel(this, QStringLiteral("waitingIndicator"), -1, 3240, 1440, 2295, 255);

    m_stakesButton = new QPushButton(BoardTexts::Stakes, this);
    nameControl(m_stakesButton, QStringLiteral("stakesButton"));
    Twips::place(m_stakesButton, 0, 0, 375, 255);

    m_simulateButton = new StackedCaptionButton(BoardTexts::Simulate, this);
    nameControl(m_simulateButton, QStringLiteral("simulateButton"));
    Twips::place(m_simulateButton, 5280, 0, 255, 1455);

    m_helpButton = new QPushButton(this);
    nameControl(m_helpButton, QStringLiteral("helpButton"));
    Twips::place(m_helpButton, 5040, 720, 255, 495);
    m_helpButton->setIcon(Pictures::helpBulb());
    m_helpButton->setIconSize(m_helpButton->size() - QSize(4, 4));
    m_helpButton->setToolTip(QStringLiteral("Aide"));
    m_helpButton->setAccessibleName(QStringLiteral("Aide"));
    connect(m_helpButton, &QPushButton::clicked, this, &BoardWindow::openHelp);
    connect(m_simulateButton, &QPushButton::clicked, this, &BoardWindow::openSimulator);
    connect(m_stakesButton, &QPushButton::clicked, this, &BoardWindow::openStakeCalculator);

    for (QPushButton* button : {m_stakesButton, m_helpButton, m_simulateButton}) {
        button->setAutoDefault(false);
    }

    m_speechIndicator = new SpeechIndicator(this);
    nameControl(m_speechIndicator, QStringLiteral("speechIndicator"));
    connect(m_speechIndicator, &SpeechIndicator::clicked, this, &BoardWindow::toggleSpeech);
    placeSpeechIndicator();

    m_speech = new SpeechQueue([] { return createDesktopSpeechEngine(); }, this);
}

// Cells first (tab index = number), then the dozen and column boxes, then the help,
// simulation and stake buttons.
void BoardWindow::setTabOrder()
{
    QList<QWidget*> chain;
    for (TextBox* cell : m_numberCells) {
        chain.append(cell);
    }
    for (TextBox* box : m_dozenColumnBoxes) {
        chain.append(box);
    }
    chain << m_helpButton << m_simulateButton << m_stakesButton << m_speechIndicator;
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i], chain[i + 1]);
    }
}

bool BoardWindow::confirmAndEnter(int number)
{
    if (!Roulette::isValidNumber(number)) {
        return false;
    }
    // One question at a time: an entry asked for while another entry's question is still
    // open (the player's own, when a simulator tick comes) is not started, rather than
    // stacking a second box on the first.
    if (MessageBox::isOpen()) {
        return false;
    }
    keptGames();
    const int answer = MessageBox::show(this, BoardTexts::ConfirmPrompt + QString::number(number),
        MessageBox::YesNo | MessageBox::Information | MessageBox::DefaultButton2, BoardTexts::ConfirmTitle);
    if (answer != MessageBox::Yes) {
        return false;
    }
    m_table.enter(number);
    refresh();
    showSideWindows();
    restartBlinkTimers();
    for (const QString& phrase : m_table.spokenPhrases()) {
        m_speech->speak(phrase);
    }
    takeBackFocus();
    journalLater({number});
    return true;
}

// The dozen and column window comes with the first entry, and every entry shows it again,
// even after the player closed it.
void BoardWindow::showDozensWindow()
{
    if (m_table.drawCount() == 0) {
        return;
    }
    if (!m_dozensWindow) {
        m_dozensWindow = new DozensWindow(this);
        m_dozensWindow->refresh(m_table.dozenColumns());
    }
    TopMost::show(m_dozensWindow);
}

// Side windows were shown during the entry: when one of ours holds the focus, it goes back
// to the board. The focus is never taken from another program's window.
void BoardWindow::takeBackFocus()
{
    QWidget* active = QApplication::activeWindow();
    if (active && active != this) {
        activateWindow();
    }
}

// Every entry stops all blinking first; a timer its advice started again ticks one full
// interval after the entry.
void BoardWindow::restartBlinkTimers()
{
    for (int timer = 1; timer <= BlinkTimerCount; ++timer) {
        QTimer* blink = m_blinkTimers[static_cast<std::size_t>(timer - 1)];
        blink->stop();
        if (m_table.isBlinking(static_cast<BlinkTimer>(timer - 1))) {
            blink->start();
        }
    }
}

void BoardWindow::blinkTimerTick(int timer)
{
    m_table.blinkTick(static_cast<BlinkTimer>(timer - 1));
    refresh();
}

void BoardWindow::toggleSpeech()
{
    m_table.toggleSpeech();
    placeSpeechIndicator();
}

// The indicator takes its four measures one after the other: height, left, top, width.
void BoardWindow::placeSpeechIndicator()
{
    const QRect twips = m_table.speaksAdvice() ? LargeIndicator : SmallIndicator;
    const QRect pixels = Twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height());
    m_speechIndicator->resize(m_speechIndicator->width(), pixels.height());
    m_speechIndicator->move(pixels.left(), m_speechIndicator->y());
    m_speechIndicator->move(pixels.left(), pixels.top());
    m_speechIndicator->resize(pixels.width(), pixels.height());
    m_speechIndicator->showState(m_table.speaksAdvice());
    m_speechIndicator->raise();
}

void BoardWindow::setSpeechEngineFactory(SpeechQueue::EngineFactory factory)
{
    delete m_speech;
    m_speech = new SpeechQueue(std::move(factory), this);
}

void BoardWindow::openHelp()
{
    HelpPages::open(BoardTexts::HelpPage);
}

// The simulator and the stake calculator are made when first asked for, and again after the
// player has closed them; asked for while open, the same window comes up.
void BoardWindow::openSimulator()
{
    if (!m_simulator) {
        m_simulator = new SimulatorWindow(this);
        // Queued: the simulator's tick is over before the entry asks its question, so the
        // player may close the simulator while the question is open.
        connect(m_simulator, &SimulatorWindow::numberDrawn, this, &BoardWindow::confirmAndEnter,
            Qt::QueuedConnection);
        placeBesideBoard(m_simulator, 0);
    }
    TopMost::show(m_simulator);
}

void BoardWindow::openStakeCalculator()
{
    if (!m_stakeCalculator) {
        m_stakeCalculator = new StakeCalculatorWindow(this);
        placeBesideBoard(m_stakeCalculator, Twips::toPixels(1530) + 16);
    }
    TopMost::show(m_stakeCalculator);
}

// The simulator and the stake calculator open to the right of the board (the calculator under
// the running simulator), where they hide neither the board nor the trend windows above it;
// on a narrow screen they stay on it.
void BoardWindow::placeBesideBoard(QWidget* window, int below)
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

SimulatorWindow* BoardWindow::simulator() const
{
    return m_simulator;
}

// Like the side windows, the statistics stay above the table's window; closed, they come
// back as they were, brought up to date.
void BoardWindow::openStatistics()
{
    if (!m_statisticsWindow) {
        m_statisticsWindow = new StatisticsWindow(this);
    }
    m_statisticsWindow->refresh(m_table.statistics());
    TopMost::show(m_statisticsWindow);
}

StakeCalculatorWindow* BoardWindow::stakeCalculator() const
{
    return m_stakeCalculator;
}

void BoardWindow::refresh()
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        TextBox* box = m_numberCells[static_cast<std::size_t>(n)];
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
        showNumberSquare(m_candidateSquares[static_cast<std::size_t>(i)], advice.candidate(i));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        showNumberSquare(m_stripSquares[static_cast<std::size_t>(i)], m_table.stripNumber(i));
    }
    const int level = m_table.level();
    m_levelLabel->setText(level == 0
            ? BoardTexts::LevelNotYetDrawn
            : BoardTexts::LevelPrefix + QString::number(level) + BoardTexts::LevelSuffix);
    m_levelCountLabel->setText(
        m_table.shownLevelCount() == 0 ? QString() : DecimalText::of(m_table.shownLevelCount()));
    m_drawCountLabel->setText(m_table.drawCount() == 0 ? QString() : DecimalText::of(m_table.drawCount()));
    Colours::setBackColour(m_waitingIndicator, colourOf(advice.waitingLevel()));
    Twips::setClientHeightFromOuter(
        this, advice.isAdviceRowShown() ? AdviceHeight : CollapsedHeight, Twips::Frame::ToolWindow);
    for (TrendWindow* window : m_trendWindows) {
        window->refresh(m_table.evenChance(window->pair()));
    }
    if (m_dozensWindow) {
        m_dozensWindow->refresh(m_table.dozenColumns());
    }
    describeForScreenReaders();
    updateMenu();
}

// Colour is never the only sign: every number says its colour, every advice its state.
void BoardWindow::describeForScreenReaders()
{
    const NumberAdvice& advice = m_table.numberAdvice();
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        ::describeForScreenReaders(
            m_candidateSquares[static_cast<std::size_t>(i)], NumberWords::numberName(advice.candidate(i)));
    }
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        ::describeForScreenReaders(m_numberCells[static_cast<std::size_t>(n)], NumberWords::numberName(n),
            BoardWords::cellDescription(
                m_numberCells[static_cast<std::size_t>(n)]->toolTip(), advice.isCandidate(n)));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        ::describeForScreenReaders(
            m_stripSquares[static_cast<std::size_t>(i)], NumberWords::numberName(m_table.stripNumber(i)));
    }
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        ::describeForScreenReaders(m_dozenColumnBoxes[static_cast<std::size_t>(i)],
            BoardTexts::DozenColumnBoxes[i].trimmed(), BoardWords::boxDescription(isBoxAdvised(m_table, i)));
    }
    ::describeForScreenReaders(m_waitingIndicator, BoardWords::waitingIndicator(advice.waitingLevel()));
    ::describeForScreenReaders(
        m_levelCountLabel, QStringLiteral("Numéros à ce niveau : ") + m_levelCountLabel->text());
    ::describeForScreenReaders(
        m_drawCountLabel, BoardTexts::DrawCountTip + QStringLiteral(" : ") + m_drawCountLabel->text());
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // Closing the board ends the game and the program: the game goes to the previous games,
    // and the next start is an empty board.
    if (GameLibrary* games = keptGames()) {
        games->endCurrentGame();
    }
    for (TrendWindow* window : m_trendWindows) {
        window->hide();
    }
    event->accept();
    QCoreApplication::quit();
}
