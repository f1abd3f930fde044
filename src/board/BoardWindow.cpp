// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/BoardWindow.h"

#include "board/BoardTexts.h"
#include "board/BoardWords.h"
#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/DecimalText.h"
#include "platform/HelpPages.h"
#include "platform/MessageBox.h"
#include "platform/Pictures.h"
#include "platform/SpeechEngine.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"
#include "roulette/NumberWords.h"
#include "speech/SpeechIndicator.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

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
    return BoardTexts::hitCountTip(hits);
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

    m_tables = new Tables(this);
    m_session = &m_tables->current();
    m_tables->setAsker([this](int table, GameSession::Question question, int number) {
        return ask(table, question, number);
    });
    connect(m_tables, &Tables::entered, this, &BoardWindow::showEntry);
    connect(m_tables, &Tables::rebuilt, this, &BoardWindow::showGame);
    connect(m_tables, &Tables::blinked, this, &BoardWindow::refresh);
    connect(m_tables, &Tables::saveProblem, this,
        [this](int, const DiskFailure& failure) { tellSaveProblem(failure); });
    connect(m_tables, &Tables::shownChanged, this, &BoardWindow::showTable);
    connect(m_tables, &Tables::tablesChanged, this, &BoardWindow::showTitle);
    connect(m_tables, &Tables::enteredElsewhere, this, &BoardWindow::speakElsewhere);
    connect(m_tables, &Tables::full, this, &BoardWindow::tellGameFull);

    buildControls();
    setTabOrder();
    buildMenu();
    // Digits typed on the board reach it whichever of its controls has the focus.
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        control->installEventFilter(this);
    }
    m_typed = new TypedNumber(this);
    connect(
        m_typed, &TypedNumber::numberTyped, this, [this](int number) { m_session->confirmAndEnter(number); });
    m_sideWindows = new SideWindows(this, *m_tables);

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
        box->setText(BoardTexts::dozenColumnBox(i));
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
    m_drawCountLabel->setToolTip(BoardTexts::drawCountTip());
    for (int i = 0; i < Table::StripLength; ++i) {
        m_stripSquares[static_cast<std::size_t>(i)]
            = makeLabel(this, QStringLiteral("stripSquare"), i, 240 * i, 1200, 255, 255);
    }
    m_adviceRowCaption = makeLabel(this, QStringLiteral("adviceRowCaption"), -1, 0, 1440, 3255, 255);
    m_adviceRowCaption->setText(BoardTexts::adviceRow());
    m_adviceRowCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Colours::setForeColour(m_adviceRowCaption, Colours::White);
    m_waitingIndicator = makeLabel(this, QStringLiteral("waitingIndicator"), -1, 3240, 1440, 2295, 255);

    m_stakesButton = new QPushButton(BoardTexts::stakes(), this);
    nameControl(m_stakesButton, QStringLiteral("stakesButton"));
    Twips::place(m_stakesButton, 0, 0, 375, 255);

    m_simulateButton = new StackedCaptionButton(BoardTexts::simulate(), this);
    nameControl(m_simulateButton, QStringLiteral("simulateButton"));
    Twips::place(m_simulateButton, 5280, 0, 255, 1455);

    m_helpButton = makeHelpButton(this, 5040, 720, 255, 495, BoardTexts::helpTip());
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

// The questions of the game, each in its box. Only one box at a time: while another is open,
// the answer is no.
bool BoardWindow::ask(int table, GameSession::Question question, int number)
{
    if (MessageBox::isOpen()) {
        return false;
    }
    // A table not shown (the simulator's) says whose number it asks about.
    const QString title = table == m_tables->currentIndex()
        ? BoardTexts::confirmTitle()
        : BoardTexts::titleWithTable(m_tables->name(table), BoardTexts::confirmTitle());
    const bool yes = question == GameSession::Question::Undo
        ? MessageBox::show(this, BoardTexts::undoPrompt(number),
              MessageBox::YesNo | MessageBox::Question | MessageBox::DefaultButton2, Application::title())
            == MessageBox::Yes
        : MessageBox::show(this, BoardTexts::confirmPrompt(number),
              MessageBox::YesNo | MessageBox::Information | MessageBox::DefaultButton2, title)
            == MessageBox::Yes;
    // The player has just answered: the keyboard goes back to the board. Without a window
    // manager nobody else would give it back.
    if (!isActiveWindow()) {
        activateWindow();
    }
    return yes;
}

// After an entry: every window shows it, then the advice is spoken.
void BoardWindow::showEntry()
{
    showGame();
    for (const QString& phrase : table().spokenPhrases()) {
        m_speech->speak(phrase);
    }
}

// A table not shown speaks its advice too, after its name.
void BoardWindow::speakElsewhere(int table)
{
    for (const QString& phrase : m_tables->at(table).table().spokenPhrases()) {
        m_speech->speak(BoardTexts::spokenAtTable(m_tables->name(table), phrase));
    }
}

// Another table shown: every window as if its game had been entered alone.
void BoardWindow::showTable()
{
    m_session = &m_tables->current();
    showGame();
    placeSpeechIndicator();
    showTitle();
}

void BoardWindow::showTitle()
{
    setWindowTitle(m_tables->count() < 2
            ? Application::title()
            : BoardTexts::titleWithTable(Application::title(), m_tables->name(m_tables->currentIndex())));
}

// After the game changed other than by one entry: every window as it would be after an
// entry that led there.
void BoardWindow::showGame()
{
    refresh();
    m_sideWindows->showGame(table());
    takeBackFocus();
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

void BoardWindow::toggleSpeech()
{
    m_tables->toggleSpeech();
    placeSpeechIndicator();
}

// The indicator takes its four measures one after the other: height, left, top, width.
void BoardWindow::placeSpeechIndicator()
{
    const QRect twips = table().speaksAdvice() ? LargeIndicator : SmallIndicator;
    const QRect pixels = Twips::toPixels(twips.left(), twips.top(), twips.width(), twips.height());
    m_speechIndicator->resize(m_speechIndicator->width(), pixels.height());
    m_speechIndicator->move(pixels.left(), m_speechIndicator->y());
    m_speechIndicator->move(pixels.left(), pixels.top());
    m_speechIndicator->resize(pixels.width(), pixels.height());
    m_speechIndicator->showState(table().speaksAdvice());
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

void BoardWindow::refresh()
{
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        TextBox* box = m_numberCells[static_cast<std::size_t>(n)];
        Colours::setForeColour(box, table().isNumberLit(n) ? Colours::Yellow : Colours::WindowText);
        const QString tip = toolTipOf(table().hitCount(n));
        if (box->toolTip() != tip) {
            box->setToolTip(tip);
        }
    }
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        Colours::setBackColour(m_dozenColumnBoxes[static_cast<std::size_t>(i)],
            isBoxAdvised(table(), i) ? Colours::Yellow : Colours::InactiveTitleBar);
    }
    const NumberAdvice& advice = table().numberAdvice();
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        showNumberSquare(m_candidateSquares[static_cast<std::size_t>(i)], advice.candidate(i));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        showNumberSquare(m_stripSquares[static_cast<std::size_t>(i)], table().stripNumber(i));
    }
    const int level = table().level();
    m_levelLabel->setText(level == 0 ? BoardTexts::levelNotYetDrawn() : BoardTexts::levelDrawn(level));
    m_levelCountLabel->setText(
        table().shownLevelCount() == 0 ? QString() : DecimalText::of(table().shownLevelCount()));
    m_drawCountLabel->setText(table().drawCount() == 0 ? QString() : DecimalText::of(table().drawCount()));
    fitCaptions();
    Colours::setBackColour(m_waitingIndicator, colourOf(advice.waitingLevel()));
    Twips::setClientHeightFromOuter(
        this, advice.isAdviceRowShown() ? AdviceHeight : CollapsedHeight, Twips::Frame::ToolWindow);
    m_sideWindows->refresh(table());
    describeForScreenReaders();
    updateMenu();
}

// A long game writes long figures. The level label may take what the level count leaves of
// its own label and the empty squares of the candidate row; the draw count, the empty end of
// the third dozen's box. Each stays as designed while its text fits.
void BoardWindow::fitCaptions()
{
    static const QRect countPlace = Twips::toPixels(0, 960, 495, 255);
    static const QRect levelPlace = Twips::toPixels(480, 960, 2175, 255);
    static const QRect drawCountPlace = Twips::toPixels(4560, 720, 495, 255);

    int levelRight = m_helpButton->x() - 1;
    for (const QLabel* square : m_candidateSquares) {
        if (!square->text().isEmpty()) {
            levelRight = qMax(levelPlace.right(), square->x() - 1);
            break;
        }
    }
    const int countWidth = m_levelCountLabel->fontMetrics().horizontalAdvance(m_levelCountLabel->text()) + 2;
    fitLabel(m_levelLabel, levelPlace,
        QRect(QPoint(qMin(countWidth, levelPlace.left()), levelPlace.top()),
            QPoint(levelRight, levelPlace.bottom())));
    QRect count = countPlace;
    if (m_levelLabel->x() < levelPlace.x()) {
        count.setRight(m_levelLabel->x() - 1);
    }
    if (m_levelCountLabel->geometry() != count) {
        m_levelCountLabel->setGeometry(count);
    }
    // Over the empty squares it grew into, the level label is seen above them.
    if (m_levelLabel->geometry() == levelPlace) {
        m_levelLabel->stackUnder(m_candidateSquares[0]);
    } else {
        m_levelLabel->raise();
    }

    const TextBox* thirdDozen = m_dozenColumnBoxes[2];
    const QRect drawCountRoom(QPoint(textEnd(thirdDozen, thirdDozen->text()), drawCountPlace.top()),
        QPoint(drawCountPlace.right(), drawCountPlace.bottom()));
    const int needed = fitLabel(m_drawCountLabel, drawCountPlace, drawCountRoom);

    // From a million draws on, the count outgrows every free pixel beside it: the board widens
    // by what it lacks, the help and simulate buttons keeping to its right edge. A new game
    // gives the board its designed width back.
    static const QRect helpPlace = Twips::toPixels(5040, 720, 255, 495);
    static const QRect simulatePlace = Twips::toPixels(5280, 0, 255, 1455);
    const int widening = qMax(0, needed - drawCountRoom.width());
    if (widening > 0) {
        m_drawCountLabel->setGeometry(drawCountRoom.adjusted(0, 0, widening, 0));
    }
    if (widening != m_helpButton->x() - helpPlace.x()) {
        m_helpButton->move(helpPlace.topLeft() + QPoint(widening, 0));
        m_simulateButton->move(simulatePlace.topLeft() + QPoint(widening, 0));
        setFixedWidth(Twips::toPixels(ClientWidth) + widening);
    }
}

// Colour is never the only sign: every number says its colour, every advice its state.
void BoardWindow::describeForScreenReaders()
{
    const NumberAdvice& advice = table().numberAdvice();
    for (int i = 0; i < NumberAdvice::MaxCandidates; ++i) {
        ::describeForScreenReaders(
            m_candidateSquares[static_cast<std::size_t>(i)], NumberWords::numberName(advice.candidate(i)));
    }
    for (int n = 0; n < Roulette::NumberCount; ++n) {
        ::describeForScreenReaders(m_numberCells[static_cast<std::size_t>(n)], NumberWords::numberName(n),
            BoardWords::cellDescription(table().hitCount(n), advice.isCandidate(n)));
    }
    for (int i = 0; i < Table::StripLength; ++i) {
        ::describeForScreenReaders(
            m_stripSquares[static_cast<std::size_t>(i)], NumberWords::numberName(table().stripNumber(i)));
    }
    for (int i = 0; i < DozenColumnBoxCount; ++i) {
        ::describeForScreenReaders(m_dozenColumnBoxes[static_cast<std::size_t>(i)],
            BoardTexts::dozenColumnBox(i).trimmed(), BoardWords::boxDescription(isBoxAdvised(table(), i)));
    }
    ::describeForScreenReaders(m_waitingIndicator, BoardWords::waitingIndicator(advice.waitingLevel()));
    ::describeForScreenReaders(m_levelCountLabel, BoardTexts::levelCountName(m_levelCountLabel->text()));
    ::describeForScreenReaders(m_drawCountLabel, BoardTexts::drawCountName(m_drawCountLabel->text()));
}

void BoardWindow::closeEvent(QCloseEvent* event)
{
    // Closing the board ends every table's game and the program: the games go to the
    // previous games, and the next start is an empty board.
    m_tables->endAll();
    m_sideWindows->hideTrendWindows();
    event->accept();
    QCoreApplication::quit();
}
