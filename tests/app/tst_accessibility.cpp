// SPDX-License-Identifier: GPL-3.0-or-later
// What every player reads: each control of each window named for screen readers, Escape
// closing the tool windows, and every caption whole however long the game (also at scale 2).
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "games/GameLibrary.h"
#include "games/ImportWindow.h"
#include "games/NumberListWindow.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/OffscreenWarnings.h"

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The shown controls under `node` that tell a screen reader nothing, frames aside.
QStringList unnamed(QAccessibleInterface* node)
{
    static const QList<QAccessible::Role> frames{QAccessible::Client, QAccessible::Pane,
        QAccessible::Grouping, QAccessible::Border, QAccessible::Window, QAccessible::Dialog,
        QAccessible::ScrollBar};
    QStringList found;
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child->state().invisible && !frames.contains(child->role())
            && child->text(QAccessible::Name).trimmed().isEmpty()) {
            found << (child->object() ? child->object() : node->object())->objectName();
        }
        found << unnamed(child);
    }
    return found;
}

// What of a window still reads French once the program speaks English: its texts, tooltips
// and the names a screen reader hears. The game's own French terms and the name of the
// French language stay.
QStringList frenchIn(QWidget* window)
{
    if (Language::current() == Language::Choice::French) {
        return {};
    }
    static const QRegularExpression allowed(
        QStringLiteral("voisins du zéro|tiers du cylindre|orphelins|Français"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression french(
        QStringLiteral("[éèêàçôûùœ«»]|\\b(de|des|du|le|la|les|et|ou|pour|avec|sur|"
                       "tirages?|numéros?|fois|mise|aide|conseils?|douzaines?|colonnes?|"
                       "partie|sortis?|simuler|valider|annuler|calculer)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    QStringList texts{window->windowTitle()};
    const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
    for (const QWidget* widget : widgets) {
        texts << widget->toolTip() << widget->accessibleName() << widget->accessibleDescription()
              << widget->property("text").toString() << widget->property("plainText").toString();
        for (const QAction* action : widget->actions()) {
            texts << action->text() << action->toolTip()
                  << (action->menu() ? frenchIn(action->menu()) : QStringList{});
        }
    }
    QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(window)};
    for (int n = 0; n < nodes.size(); ++n) {
        for (const QAccessible::Text kind :
            {QAccessible::Name, QAccessible::Description, QAccessible::Value}) {
            texts << nodes[n]->text(kind);
        }
        for (int i = 0; i < nodes[n]->childCount(); ++i) {
            nodes << nodes[n]->child(i);
        }
    }
    QStringList found;
    for (QString text : std::as_const(texts)) {
        if (text.remove(allowed).contains(french)) {
            found << text;
        }
    }
    return found;
}

// Every box shown while it listens, read, then answered No or closed.
class BoxReader : public QObject
{
public:
    QStringList french;
    int boxes = 0;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* box = qobject_cast<QDialog*>(object);
        if (box && event->type() == QEvent::Show && box->isModal()) {
            ++boxes;
            french << frenchIn(box);
            QTimer::singleShot(0, box, &QDialog::reject);
        }
        return false;
    }
};

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Desktop::setUp(*qApp); // the program's own font, which the captions are measured in
        dropOffscreenWindowWarnings();
    }

    void everyControlIsNamed_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addRow("French") << false;
        QTest::addRow("English") << true;
    }

    void everyControlIsNamed()
    {
        QFETCH(bool, english);
        Language::install(*qApp, english ? Language::Choice::English : Language::Choice::French);
        DisclaimerDialog disclaimer;
        BoardWindow board;
        for (const int number : {17, 17, 17, 17, 0}) {
            enterConfirmed(board, number);
        }
        board.openSimulator();
        QTest::mouseClick(control<QPushButton>(board.simulator(), "startButton"), Qt::LeftButton);
        board.openStakeCalculator();
        board.openStatistics();
        board.openAdviceAccount();
        // The disclaimer, the board, and every window the board has opened.
        DrawImport::Reading reading;
        reading.status = DrawImport::Reading::Status::Read;
        reading.list.numbers = {17, 0, 36};
        reading.list.numberCount = 3;
        reading.list.mistakes.append({QStringLiteral("37"), 3, 1, 3});
        reading.list.mistakeCount = reading.list.linesWithMistakes = 1;
        QList<QWidget*> windows{&disclaimer, &board, new NumberListWindow(&board),
            new ImportWindow(QStringLiteral("/tmp/spins.txt"), reading, &board)};
        for (QWidget* window : board.findChildren<QWidget*>()) {
            windows << (window->isWindow() && window->isVisible() ? QList<QWidget*>{window}
                                                                  : QList<QWidget*>{});
        }
        for (QWidget* window : windows) {
            window->show();
            const QStringList missing = unnamed(QAccessible::queryAccessibleInterface(window));
            QVERIFY2(missing.isEmpty(), qPrintable(window->objectName() + u' ' + missing.join(u' ')));
            const QStringList french = frenchIn(window);
            QVERIFY2(french.isEmpty(), qPrintable(window->objectName() + u' ' + french.join(u'|')));
        }
        for (QWidget* window : windows.mid(2)) { // Escape closes all but the disclaimer and the board
            window->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), window);
            QTest::keyClick(window, Qt::Key_Escape);
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        }
    }

    // The boxes and the menu speak English too.
    void boxesAndMenuInEnglish()
    {
        Language::install(*qApp, Language::Choice::English);
        Language::save(Language::Choice::French); // so that choosing English asks
        BoxReader reader;
        qApp->installEventFilter(&reader);
        {
            QTemporaryDir folder;
            GameLibrary games(folder.path());
            BoardWindow board;
            board.keepGamesIn(games);
            board.show();
            board.confirmAndEnter(17); // answered No: nothing entered
            enterConfirmed(board, 5);
            board.undoLastNumber();
            board.newGame();
            board.findChild<QAction*>(QStringLiteral("renameTable"))->trigger();
            board.findChild<QAction*>(QStringLiteral("english"))->trigger();
            board.openPreviousGames();
            QStringList french = frenchIn(board.contextMenu()) + reader.french;
            for (QWidget* window : QApplication::topLevelWidgets()) {
                french << (window->isVisible() ? frenchIn(window) : QStringList{});
            }
            QVERIFY2(french.isEmpty(), qPrintable(french.join(u'|')));
            QCOMPARE(reader.boxes, 5);
        }
        qApp->removeEventFilter(&reader);
    }

    // Every number in turn, zero every other turn: the level rises every 74 draws, zero alone
    // at it. 1, 1, 20, 20… after a run and an alternation of six: every counter counts on. In
    // French and in English, with the disclaimer's captions too.
    void captionsReadWhole_data()
    {
        QTest::addColumn<bool>("english");
        QTest::addColumn<bool>("everyNumber");
        QTest::addColumn<int>("draws");
        for (const bool english : {false, true}) {
            for (const bool everyNumber : {true, false}) {
                for (int draws = 2; draws <= 2'000'000; draws *= 10) {
                    QTest::addRow("%s, %s, %d draws", english ? "English" : "French",
                        everyNumber ? "every number" : "no long run", draws)
                        << english << everyNumber << draws;
                }
            }
        }
    }

    void captionsReadWhole()
    {
        QFETCH(bool, english);
        QFETCH(bool, everyNumber);
        QFETCH(int, draws);
        Language::install(*qApp, english ? Language::Choice::English : Language::Choice::French);
        static BoardWindow* boards[2][2] = {}; // made with the font set, in their language
        BoardWindow*& made = boards[english][everyNumber];
        if (!made) {
            made = new BoardWindow;
        }
        BoardWindow& board = *made;
        const DisclaimerDialog disclaimer;
        QVector<int> numbers;
        for (int draw = board.table().drawCount(); draw < draws; ++draw) {
            numbers << (everyNumber ? (draw % 74 == 0 ? 1 : draw % 37)
                    : draw < 6 || (draw < 13 && draw % 2) || (draw >= 13 && draw % 4 < 2) ? 1
                                                                                          : 20);
        }
        board.enterNumbers(numbers.mid(0, numbers.size() - 1)); // two refreshes at the new count's length
        board.enterNumbers(numbers.mid(numbers.size() - 1));
        // The board's and its windows', and the disclaimer's.
        for (const QLabel* label : board.findChildren<QLabel*>() + disclaimer.findChildren<QLabel*>()) {
            QVERIFY2(!label->isVisibleTo(label->window())
                    || label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                qPrintable(label->window()->objectName() + u' ' + label->objectName() + u' ' + label->text()
                    + u' ' + QString::number(label->fontMetrics().horizontalAdvance(label->text())) + u'>'
                    + QString::number(label->width())));
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
