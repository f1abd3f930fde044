// SPDX-License-Identifier: GPL-3.0-or-later
// The list of numbers window and the previous games window, driven as a player would, and
// what the player reads when the disk refuses or a kept game is refused.
#include "games/ExportDialog.h"
#include "games/FileChoice.h"
#include "games/GameLibrary.h"
#include "games/GamesWords.h"
#include "games/ImportWindow.h"
#include "games/NumberListWindow.h"
#include "games/PreviousGamesWindow.h"
#include "platform/Language.h"
#include "platform/MessageBox.h"
#include "support/Controls.h"
#include "support/OffscreenWarnings.h"

#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <cerrno>
#include <memory>

class TestGamesWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { dropOffscreenWindowWarnings(); }
    void init();
    void cleanup();
    void listWindow_data();
    void listWindow();
    void beyondTheLargestGame();
    void previousGames();
    void failureSentences_data();
    void failureSentences();

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QWidget> m_board;
};

namespace {

// Three games: two finished, one interrupted (its program died before it ended).
void playThreeGames(GameJournal& journal)
{
    const QDateTime start(QDate(2026, 12, 6), QTime(20, 15));
    int minutes = 0;
    journal.setClock([&minutes, start] { return start.addSecs(60 * minutes); });
    journal.recordNumbers({3, 26, 0});
    journal.endGame();
    minutes = 90;
    QVector<int> long_;
    for (int i = 0; i < 14; ++i) {
        long_ << (i * 7) % 37;
    }
    journal.recordNumbers(long_);
    journal.endGame();
    minutes = 24 * 60 + 5;
    {
        GameLibrary killed;
        killed.journal().setClock([&minutes, start] { return start.addSecs(60 * minutes); });
        killed.journal().recordNumbers({17, 5});
    }
    journal.setClock([] { return QDateTime::currentDateTime(); });
}

QStringList rowsOf(const QTreeWidget* list)
{
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < list->columnCount(); ++column) {
            if (list->isColumnHidden(column)) {
                continue;
            }
            cells << list->topLevelItem(i)->text(column);
        }
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

} // namespace

void TestGamesWindows::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", m_home->path().toUtf8());
    qputenv("XDG_DATA_HOME", (m_home->path() + QStringLiteral("/data")).toUtf8());
    Language::install(*qApp, Language::Choice::French); // its plural forms are translations too
    // The windows belong to the board, a tool window: closing them must not end the program.
    m_board = std::make_unique<QWidget>(nullptr, Qt::Tool);
    m_board->show();
}

void TestGamesWindows::cleanup()
{
    MessageBox::clearNextAnswer();
    FileChoice::clearNextAnswer();
    m_board.reset();
}

void TestGamesWindows::listWindow_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QVector<int>>("added"); // empty: "Ajouter" is disabled
    QTest::addColumn<QString>("mistakes");

    QTest::addRow("newest") << "17 5, 32" << true << "3 numéros à ajouter" << QVector<int>{32, 5, 17} << "";
    QTest::addRow("one") << "0" << false << "1 numéro à ajouter" << QVector<int>{0} << "";
    QTest::addRow("nothing") << " ; " << false << "Aucun numéro à ajouter" << QVector<int>() << "";
    QTest::addRow("long word in 5th place")
        << "1 2 3 4 123456789012345678901234" << false << "1 erreur à corriger" << QVector<int>()
        << "« 12345678901234567890… » n'est pas un numéro de 0 à 36 (5e position)";
    QTest::addRow("seven mistakes") << "a 1 b c d e f g" << true << "7 erreurs à corriger" << QVector<int>()
                                    << "« a » n'est pas un numéro de 0 à 36 (1re position)\n"
                                       "« b » n'est pas un numéro de 0 à 36 (3e position)\n"
                                       "« c » n'est pas un numéro de 0 à 36 (4e position)\n"
                                       "« d » n'est pas un numéro de 0 à 36 (5e position)\n"
                                       "« e » n'est pas un numéro de 0 à 36 (6e position)\n"
                                       "… et 2 autres erreurs";
}

void TestGamesWindows::listWindow()
{
    QFETCH(QString, typed);
    QFETCH(bool, newestFirst);
    QFETCH(QString, count);
    QFETCH(QVector<int>, added);
    QFETCH(QString, mistakes);

    QPointer<NumberListWindow> window = new NumberListWindow(m_board.get());
    QSignalSpy chosen(window.data(), &NumberListWindow::numbersChosen);
    QSignalSpy quitting(qApp, &QGuiApplication::lastWindowClosed);
    window->open();
    QVERIFY(control<QRadioButton>(window, "oldestFirst")->isChecked());
    QTest::keyClicks(control<QPlainTextEdit>(window, "numbers"), typed);
    if (newestFirst) {
        // On its round mark: the rest of the row is not the button.
        QTest::mouseClick(control<QRadioButton>(window, "newestFirst"), Qt::LeftButton, {}, QPoint(8, 10));
    }
    QCOMPARE(control<QLabel>(window, "count")->text(), count);
    QCOMPARE(control<QLabel>(window, "mistakes")->text(), mistakes);
    QCOMPARE(control<QLabel>(window, "mistakes")->isVisible(), !mistakes.isEmpty());
    auto* add = control<QPushButton>(window, "add");
    QCOMPARE(add->isEnabled(), !added.isEmpty());

    QTest::mouseClick(added.isEmpty() ? control<QPushButton>(window, "cancel") : add, Qt::LeftButton);
    QCOMPARE(chosen.size(), added.isEmpty() ? 0 : 1);
    if (!added.isEmpty()) {
        QCOMPARE(chosen.first().first().value<QVector<int>>(), added);
    }
    QTRY_VERIFY(window.isNull()); // closed and gone, and the program goes on
    QCOMPARE(quitting.size(), 0);
}

// What the game cannot take is refused before anything is added, and said.
void TestGamesWindows::beyondTheLargestGame()
{
    auto* list = new NumberListWindow(m_board.get(), 2);
    QTest::keyClicks(control<QPlainTextEdit>(list, "numbers"), "1 2 3");
    QCOMPARE(control<QLabel>(list, "count")->text(),
        QStringLiteral("3 numéros : cette partie ne peut en recevoir que 2 de plus."));
    QVERIFY(!control<QPushButton>(list, "add")->isEnabled());
    delete list;

    DrawImport::Reading reading;
    reading.list.numberCount = 2'500'000;
    reading.list.mistakeCount = reading.list.linesWithMistakes = 1;
    auto* import = new ImportWindow(QStringLiteral("/tirages.txt"), reading, m_board.get());
    QCOMPARE(control<QLabel>(import, "count")->text(),
        QStringLiteral("2\u00a0500\u00a0000 numéros : une partie en garde au plus 2\u00a0000\u00a0000."));
    QVERIFY(!control<QPushButton>(import, "import")->isEnabled());
    QVERIFY(!control<QPushButton>(import, "importWithoutLines")->isEnabled());
    delete import;
}

void TestGamesWindows::previousGames()
{
    // None yet: only a line that says so.
    GameLibrary library;
    QPointer<PreviousGamesWindow> window = new PreviousGamesWindow(library.archive(), m_board.get());
    window->open();
    auto* list = control<QTreeWidget>(window, "games");
    QCOMPARE(control<QLabel>(window, "empty")->text(), QStringLiteral("Aucune partie précédente."));
    QVERIFY(control<QLabel>(window, "empty")->isVisible() && !list->isVisible());
    for (const char* button : {"resume", "export", "delete"}) {
        QVERIFY(!control<QPushButton>(window, button)->isEnabled());
    }

    playThreeGames(library.journal());
    window->reload();
    QCOMPARE(rowsOf(list),
        QStringList({"07/12/2026 à 20:20 | 2 | 17 5 | Interrompue",
            "06/12/2026 à 21:45 | 14 | … 28 35 5 12 19 26 33 3 10 17 | Terminée",
            "06/12/2026 à 20:15 | 3 | 3 26 0 | Terminée"}));
    QVERIFY(!control<QLabel>(window, "empty")->isVisible() && list->isVisible());

    // The real box: Return takes its default, No, and nothing is deleted.
    QString asked;
    whenModalShown<QMessageBox>([&asked](QMessageBox* box) {
        asked = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(control<QPushButton>(window, "delete"), Qt::LeftButton);
    QCOMPARE(asked,
        QStringLiteral("Supprimer la partie commencée le 07/12/2026 à 20:20 (2 numéros) ?\n\n"
                       "Elle sera effacée de cet ordinateur."));
    QCOMPARE(list->topLevelItemCount(), 3);
    MessageBox::setNextAnswer(MessageBox::Yes);
    QTest::mouseClick(control<QPushButton>(window, "delete"), Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(library.archive().previousGames().size(), 2);

    // Exported through the save dialog's test hook: the game of 14 numbers, now the first.
    const QString csv = m_home->filePath(QStringLiteral("partie.csv"));
    FileChoice::setNextAnswer(csv);
    QTest::mouseClick(control<QPushButton>(window, "export"), Qt::LeftButton);
    QFile exported(csv);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll().count('\n'), 15);

    QSignalSpy resumed(window.data(), &PreviousGamesWindow::resumeRequested);
    QTest::mouseClick(control<QPushButton>(window, "resume"), Qt::LeftButton);
    QCOMPARE(resumed.size(), 1);
    QCOMPARE(resumed.first().first().value<GameSummary>().drawCount, 14);
    QTRY_VERIFY(window.isNull());
}

// The other failures the disk reports, and why a kept game is refused, as the player reads them.
void TestGamesWindows::failureSentences_data()
{
    using Status = GameArchive::Outcome::Status;
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("expected");
    const auto disk = [](int error) { return GamesWords::diskFailure(DiskFolder::failureOf(error, "/d")); };
    const auto why = [](Status status, int error = 0) {
        return GamesWords::refusal({status, DiskFolder::failureOf(error, "/d"), 0, 0});
    };

    QTest::addRow("ENOSPC") << disk(ENOSPC) << "le disque est plein";
    QTest::addRow("EDQUOT") << disk(EDQUOT) << "votre espace disque autorisé est épuisé";
    QTest::addRow("EPERM") << disk(EPERM) << "le dossier /d ne peut pas être écrit";
    QTest::addRow("EROFS") << disk(EROFS) << "le dossier /d est en lecture seule";
    QTest::addRow("ENAMETOOLONG") << disk(ENAMETOOLONG) << "le nom du dossier /d est trop long";
    QTest::addRow("EIO") << disk(EIO) << "le disque a signalé une erreur d'écriture";
    QTest::addRow("EBADF") << disk(EBADF) << "une erreur inattendue s'est produite (code 9)";
    QTest::addRow("held") << why(Status::HeldElsewhere) << "cette partie est ouverte dans un autre Tambrel";
    QTest::addRow("unread") << why(Status::Unreadable) << "le fichier de cette partie ne peut pas être lu";
    QTest::addRow("disk") << why(Status::DiskRefused, ENOTDIR) << "le dossier /d ne peut pas être créé";
    QTest::addRow("newer") << GamesWords::notDeleted({Status::WrittenByNewerVersion, {}, 0, 0})
                           << "La partie n'a pas pu être supprimée : cette partie a été enregistrée par une "
                              "version plus récente de Tambrel.";
    QTest::addRow("gone") << GamesWords::notResumed({Status::Gone, {}, 0, 0})
                          << "La partie n'a pas pu être reprise : le fichier de cette partie n'existe plus.";
    QTest::addRow("lines left out") << GamesWords::leftOut({Status::Done, {}, 3,
        0}) << "3 lignes du fichier de cette partie n'ont pas pu être lues : elles ont été laissées de côté.";
    QTest::addRow("no draw") << GamesWords::drawCount(0) << "aucun numéro";
}

void TestGamesWindows::failureSentences()
{
    QFETCH(QString, said);
    QFETCH(QString, expected);
    QCOMPARE(said, expected);
}

QTEST_MAIN(TestGamesWindows)
#include "tst_gameswindows.moc"
