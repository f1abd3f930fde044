// SPDX-License-Identifier: GPL-3.0-or-later
// Kept games without a window: the list of numbers, the journal written and read back, files
// that are damaged or not ours, a folder that cannot be written (told once by the game
// session), two programs at once, a killed program's game found again, and the export read
// back as a table.
#include "board/GameSession.h"
#include "games/CsvExport.h"
#include "games/DrawImport.h"
#include "games/GameLibrary.h"
#include "games/GamesWords.h"
#include "games/NumberList.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

class TestGames : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void numberList_data();
    void numberList();
    void importer_data();
    void importer();
    void journalWrittenAndReadBack_data();
    void journalWrittenAndReadBack();
    void damagedJournals_data();
    void damagedJournals();
    void newerVersionLeftUntouched();
    void unwritableFolder();
    void twoProgramsAndAKilledOne();
    void killedWithTheLargestGame();
    void gameWithoutLockIsInterrupted();
    void exportReadBackAsTable();

private:
    std::unique_ptr<QTemporaryDir> m_home;
};

namespace {

const QDateTime Start(QDate(2026, 12, 6), QTime(20, 15));
const QByteArray Header = "Tambrel partie 1\n";

// A clock that moves one second at each look.
GameJournal::Clock ticking()
{
    auto seconds = std::make_shared<int>(0);
    return [seconds] { return Start.addSecs((*seconds)++); };
}

QByteArray line(const char* event, int second = 0)
{
    return QStringLiteral("2026-12-06 20:15:%1 %2\n")
        .arg(second, 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(event))
        .toUtf8();
}

QByteArray number(int n, int second = 0)
{
    return line(QStringLiteral("numéro %1").arg(n).toUtf8().constData(), second);
}

QString numbersOf(const QVector<Draw>& draws)
{
    QStringList numbers;
    for (const Draw& draw : draws) {
        numbers << QString::number(draw.number);
    }
    return numbers.join(QLatin1Char(' '));
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// The largest game this program keeps, all the numbers in turn.
const QVector<int>& largestGame()
{
    static const QVector<int> numbers = [] {
        QVector<int> all(GameRecord::MaxDraws);
        for (int i = 0; i < all.size(); ++i) {
            all[i] = i % 37;
        }
        return all;
    }();
    return numbers;
}

void put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

void TestGames::init()
{
    // Games go under XDG_DATA_HOME: every test gets its own, never the player's.
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("HOME", m_home->path().toUtf8());
    qputenv("XDG_DATA_HOME", (m_home->path() + QStringLiteral("/data")).toUtf8());
    Language::install(*QCoreApplication::instance(), Language::Choice::French);
    QVERIFY(GameLibrary::defaultFolder().startsWith(m_home->path() + QStringLiteral("/data/")));
}

void TestGames::numberList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QVector<int>>("numbers");
    QTest::addColumn<QStringList>("mistakes"); // word@place

    QTest::addRow("every separator") << "17 5,32;0\t36\n\r\n1 , 2" << false
                                     << QVector<int>{17, 5, 32, 0, 36, 1, 2} << QStringList();
    QTest::addRow("newest first") << "17 5 32" << true << QVector<int>{32, 5, 17} << QStringList();
    QTest::addRow("no-break spaces, zeros")
        << "05\u00a000 7" << false << QVector<int>{5, 0, 7} << QStringList();
    QTest::addRow("nothing") << " ,;\n" << false << QVector<int>() << QStringList();
    QTest::addRow("37 in 5th place: its line left out")
        << "1 2 3 4 37\n5" << false << QVector<int>{5} << QStringList{"37@5"};
    QTest::addRow("words and signs") << "x 12 -1 3.5 100 1e1" << true << QVector<int>()
                                     << QStringList{"x@1", "-1@3", "3.5@4", "100@5", "1e1@6"};
    QTest::addRow("long word, full-width digit") << "123456789012345678901234 ７" << false << QVector<int>()
                                                 << QStringList{"123456789012345678901234@1", "７@2"};
}

void TestGames::numberList()
{
    QFETCH(QString, text);
    QFETCH(bool, newestFirst);
    QFETCH(QVector<int>, numbers);
    QFETCH(QStringList, mistakes);

    const auto reading = NumberList::read(
        text, newestFirst ? NumberList::Order::NewestFirst : NumberList::Order::OldestFirst);
    QStringList described;
    for (const auto& mistake : reading.mistakes) {
        described << mistake.word + '@' + QString::number(mistake.place);
    }
    QCOMPARE(reading.numbers, numbers);
    QCOMPARE(described, mistakes);
    QCOMPARE(reading.mistakeCount, mistakes.size());
}

// Files to import, as a casino publishes its spins and as this program writes its own games.
void TestGames::importer_data()
{
    using Status = DrawImport::Reading::Status;
    using Layout = DrawImport::Layout;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Status>("status");
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QVector<int>>("numbers"); // in the file's order, without the lines in error
    QTest::addColumn<QStringList>("mistakes"); // line:column:word
    QTest::addColumn<int>("linesInError");

    QTest::addRow("every separator, titles skipped")
        << QByteArray("Permanences\n12,13,16,18,0,12\n4;33\t26  26\r\n\n\u00a0Tisch\n11") << Status::Read
        << Layout::Numbers << QVector<int>{12, 13, 16, 18, 0, 12, 4, 33, 26, 26, 11} << QStringList() << 0;
    QTest::addRow("bad lines") << QByteArray("1,2,37\n5 12a 6\n9\n07/12/2026\n") << Status::Read
                               << Layout::Numbers << QVector<int>{9}
                               << QStringList{"1:3:37", "2:2:12a", "4:1:07/12/2026"} << 3;
    QVector<int> many;
    for (int i = 0; i < 300000; ++i) {
        many << 1 << 2 << 3;
    }
    QTest::addRow("parts of a megabyte") << QByteArray("1,2,3,\n").repeated(300000) + "x5" << Status::Read
                                         << Layout::Numbers << many << QStringList{"300001:1:x5"} << 1;
    QTest::addRow("exported table") << QByteArray(
        "\xEF\xBB\xBFrang;numéro;couleur;pair/impair;manque/passe;douzaine;colonne;date et heure\r\n"
        "1;17;noir;impair;manque;2;2;06/12/2026 20:15:00\r\n2;0;vert;;;;;06/12/2026 20:16:01\r\n"
        "\r\n4;;rouge\r\n5;\"36\";rouge")
                                    << Status::Read << Layout::ExportedTable << QVector<int>{17, 0, 36}
                                    << QStringList{"5:2:"} << 1;
    QTest::addRow("game file, undos applied")
        << Header + number(17) + number(5) + line("annulation") + number(36) + "?\n"
        << Status::Read << Layout::KeptGame << QVector<int>{17, 36} << QStringList() << 1;
    QTest::addRow("newer game") << "Tambrel partie 9\n" + number(1) << Status::NewerGame << Layout::KeptGame
                                << QVector<int>() << QStringList() << 0;
    QTest::addRow("picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << Status::NotText
                             << Layout::Numbers << QVector<int>() << QStringList() << 0;
    QTest::addRow("empty") << QByteArray() << Status::Empty << Layout::Numbers << QVector<int>()
                           << QStringList() << 0;
    QTest::addRow("title alone") << QByteArray("Permanences\n\n") << Status::Empty << Layout::Numbers
                                 << QVector<int>() << QStringList() << 0;
}

void TestGames::importer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(DrawImport::Reading::Status, status);
    QFETCH(DrawImport::Layout, layout);
    QFETCH(QVector<int>, numbers);
    QFETCH(QStringList, mistakes);
    QFETCH(int, linesInError);

    const QString path = m_home->filePath(QStringLiteral("tirages.txt"));
    put(path, bytes);
    const DrawImport::Reading reading = DrawImport::read(path);
    QCOMPARE(reading.status, status);
    QCOMPARE(reading.layout, layout);
    QCOMPARE(reading.list.numbers, numbers);
    QCOMPARE(reading.list.numberCount, numbers.size());
    QStringList described;
    for (const NumberList::Mistake& mistake : reading.list.mistakes) {
        described << QStringLiteral("%1:%2:%3").arg(mistake.line).arg(mistake.column).arg(mistake.word);
    }
    QCOMPARE(described, mistakes);
    QCOMPARE(reading.list.linesWithMistakes, linesInError);
    QCOMPARE(DrawImport::read(m_home->path()).status, DrawImport::Reading::Status::CannotOpen);
}

// Written in one language and read in the other: the files are the same in every language.
void TestGames::journalWrittenAndReadBack_data()
{
    QTest::addColumn<Language::Choice>("written");
    QTest::addColumn<Language::Choice>("read");
    QTest::addColumn<QString>("question");
    QTest::addRow("French, then English")
        << Language::Choice::French << Language::Choice::English
        << "Resume the interrupted game?\n\n3 numbers, started on 06/12/2026 at 20:15.";
    QTest::addRow("English, then French")
        << Language::Choice::English << Language::Choice::French
        << "Reprendre la partie interrompue ?\n\n3 numéros, commencée le 06/12/2026 à 20:15.";
}

void TestGames::journalWrittenAndReadBack()
{
    QFETCH(Language::Choice, written);
    QFETCH(Language::Choice, read);
    QFETCH(QString, question);
    Language::install(*QCoreApplication::instance(), written);
    GameLibrary library;
    GameJournal& journal = library.journal();
    journal.setClock(ticking());
    journal.recordNumber(17);
    const QString path = journal.path();
    QVERIFY(path.startsWith(library.archive().currentFolder()));
    journal.recordNumbers({0, 36});
    QVERIFY(journal.recordUndo());
    journal.recordNumber(4);
    // Written at once: a program killed now loses nothing.
    QCOMPARE(readJournal(path).game.draws.size(), 3);
    const QByteArray exported = CsvExport::table(journal.game());
    journal.endGame();
    Language::install(*QCoreApplication::instance(), read);

    QVERIFY(!QFile::exists(path));
    const QVector<GameSummary> games = library.archive().previousGames();
    QCOMPARE(games.size(), 1);
    QCOMPARE(QString::fromUtf8(contents(games[0].path)),
        QString::fromUtf8(Header + number(17, 0) + number(0, 1) + number(36, 1) + line("annulation", 2)
            + number(4, 3) + line("fin de partie", 4)));
    const JournalReading reading = library.archive().read(games[0]);
    QCOMPARE(numbersOf(reading.game.draws), QStringLiteral("17 0 4"));
    QCOMPARE(reading.game.draws[2].when, Start.addSecs(3));
    QCOMPARE(reading.game.started, Start);
    QCOMPARE(games[0].lastNumbers, QVector<int>({17, 0, 4}));
    QCOMPARE(CsvExport::table(reading.game), exported);
    QCOMPARE(GamesWords::resumeQuestion(games[0]), question);

    // A game whose every number was taken back leaves no file.
    journal.recordNumber(9);
    journal.recordUndo();
    journal.endGame();
    QCOMPARE(library.archive().previousGames().size(), 1);
    QVERIFY(QDir(library.archive().currentFolder()).entryList(QDir::Files).isEmpty());
}

void TestGames::damagedJournals_data()
{
    using Status = JournalReading::Status;
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("numbers");
    QTest::addColumn<int>("leftOut");
    QTest::addColumn<bool>("ended");
    const auto read = [](const char* name, const QByteArray& bytes, const char* numbers, int leftOut) {
        QTest::addRow("%s", name) << bytes << Status::Read << QString::fromUtf8(numbers) << leftOut << false;
    };
    const auto refused = [](const char* name, const QByteArray& bytes, Status status) {
        QTest::addRow("%s", name) << bytes << status << QString() << 0 << false;
    };

    const QByteArray nul("\0", 1);
    read("cut in a line", Header + number(17) + "2026-12-06 20:15:01 numé", "17", 1);
    read("cut after a digit", Header + number(17) + "2026-12-06 20:15:01 numéro 3", "17", 1);
    read("foreign lines", Header + "bonjour\n" + number(5) + "2026-13-01 20:15:00 numéro 4\n" + number(6),
        "5 6", 2);
    read("binary line", Header + number(5) + nul + "\x01\xff\n" + number(6), "5 6", 1);
    read("NUL in a number line", Header + "2026-12-06 20:15:00 num" + nul + "ro 5\n", "", 1);
    read("out of range", Header + number(37) + number(100) + number(-1) + number(36), "36", 3);
    read("undo of nothing", Header + line("annulation") + number(1), "1", 1);
    read("long line", Header + QByteArray(5000, '7') + "\n" + number(3), "3", 1);
    read("long cut line", Header + number(3) + QByteArray(5000, 'x'), "3", 1);
    read("BOM and CR LF", "\xEF\xBB\xBFTambrel partie 1\r\n" + number(8).replace("\n", "\r\n"), "8", 0);
    QTest::addRow("ended") << Header + number(1) + line("fin de partie") << Status::Read << "1" << 0 << true;
    read("resumed after its end", Header + number(1) + line("fin de partie") + line("reprise") + number(2),
        "1 2", 0);
    read("empty", QByteArray(), "", 0);
    read("cut in its first line", QByteArray("Tambrel par"), "", 1);
    refused("newer version", "Tambrel partie 2\n" + number(1), Status::NewerVersion);
    refused("not ours", "Bonjour\n" + number(1), Status::NotAJournal);
    refused("binary from the start", nul + "\x89PNG\r\n" + nul, Status::NotAJournal);
    refused("version zero", "Tambrel partie 0\n" + number(1), Status::NotAJournal);
    refused("version beyond an int", "Tambrel partie 99999999999\n", Status::NotAJournal);
}

void TestGames::damagedJournals()
{
    QFETCH(QByteArray, bytes);
    QFETCH(JournalReading::Status, status);
    QFETCH(QString, numbers);
    QFETCH(int, leftOut);
    QFETCH(bool, ended);

    const QString path = m_home->filePath(QStringLiteral("game.txt"));
    put(path, bytes);
    const JournalReading reading = readJournal(path);
    QCOMPARE(reading.status, status);
    QCOMPARE(numbersOf(reading.game.draws), numbers);
    QCOMPARE(reading.linesLeftOut, leftOut);
    QCOMPARE(reading.game.endedNormally, ended);
    QCOMPARE(contents(path), bytes);
}

void TestGames::newerVersionLeftUntouched()
{
    GameLibrary library;
    GameArchive& archive = library.archive();
    const QByteArray bytes = "Tambrel partie 2\n" + number(5) + "quelque chose de nouveau\n";
    const QString interrupted = archive.currentFolder() + QStringLiteral("/partie-2030-01-01-100000.txt");
    const QString previous = archive.previousFolder() + QStringLiteral("/partie-2030-01-02-100000.txt");
    put(interrupted, bytes);
    put(previous, bytes);

    QVERIFY(!archive.findInterrupted());
    const QVector<GameSummary> games = archive.previousGames();
    QCOMPARE(games.size(), 2);
    for (const GameSummary& game : games) {
        QVERIFY(game.newerVersion);
        QCOMPARE(archive.resume(game).status, GameArchive::Outcome::Status::WrittenByNewerVersion);
        QVERIFY(!archive.setAside(game));
        QCOMPARE(archive.remove(game).status, GameArchive::Outcome::Status::WrittenByNewerVersion);
    }
    library.journal().recordNumber(3);
    library.journal().endGame();
    QCOMPARE(contents(interrupted), bytes);
    QCOMPARE(contents(previous), bytes);
}

void TestGames::unwritableFolder()
{
    // A file stands where the data folder should be: no one, not even root, can write there. The
    // game goes on in memory, and the game session tells the player once.
    const QString folder = GameLibrary::defaultFolder();
    put(folder, "pas un dossier");
    GameLibrary library;
    GameSession session;
    session.keepGamesIn(library);
    QSignalSpy told(&session, &GameSession::saveProblem);
    session.enterNumbers({12, 1, 2});
    QCoreApplication::processEvents();
    QVERIFY(session.undoLastNumber() && session.confirmAndEnter(3));
    QCoreApplication::processEvents();
    QCOMPARE(numbersOf(library.journal().game().draws), QStringLiteral("12 1 3"));
    QVERIFY(!library.journal().isSaving());
    QCOMPARE(told.size(), 1);
    QCOMPARE(GamesWords::notSaved(told.first().first().value<DiskFailure>()),
        QStringLiteral(
            "Cette partie n'est pas enregistrée : le dossier %1 ne peut pas être créé.\n\nLa partie "
            "continue, mais elle ne pourra être ni reprise ni retrouvée dans les parties précédentes.")
            .arg(folder + QStringLiteral("/en-cours")));
    session.end();
    QCOMPARE(contents(folder), QByteArray("pas un dossier"));
}

// Another program: plays the numbers it is given into the same data folder, says where,
// then waits to be killed.
static int playAsAnotherProgram()
{
    GameLibrary library;
    if (qEnvironmentVariable("TST_GAMES_NUMBERS") == QLatin1String("largest")) {
        library.journal().recordNumbers(largestGame());
        library.journal().waitForDisk();
    }
    for (const QString& n : qEnvironmentVariable("TST_GAMES_NUMBERS").split(QLatin1Char(' '))) {
        if (n != QLatin1String("largest")) {
            library.journal().recordNumber(n.toInt());
        }
    }
    std::printf("%s\n", qPrintable(library.journal().path()));
    std::fflush(stdout);
    QTest::qWait(60000);
    return 0;
}

void TestGames::twoProgramsAndAKilledOne()
{
    GameLibrary mine;
    mine.journal().setClock(ticking());
    mine.journal().recordNumbers({1, 2, 3});

    QProcess other; // started with this program's environment
    qputenv("TST_GAMES_CHILD", "1");
    qputenv("TST_GAMES_NUMBERS", "17 0 36 5");
    other.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(other.waitForReadyRead(10000));
    const QString otherPath = QString::fromUtf8(other.readLine()).trimmed();
    QVERIFY(!otherPath.isEmpty() && otherPath != mine.journal().path());

    // While it runs, its game is neither interrupted nor a previous game, for anyone.
    GameLibrary third;
    QVERIFY(!third.archive().findInterrupted());
    QVERIFY(third.archive().previousGames().isEmpty());
    QVERIFY(!mine.archive().findInterrupted());

    other.kill();
    QVERIFY(other.waitForFinished(10000));
    const std::optional<GameSummary> interrupted = mine.archive().findInterrupted();
    QVERIFY(interrupted);
    QCOMPARE(interrupted->path, otherPath);
    QCOMPARE(interrupted->drawCount, 4);
    QVERIFY(!third.archive().findInterrupted()); // held by the program that found it

    // Taken up: this program's own game goes to the previous games, ended.
    const QString myPath = mine.journal().path();
    const GameArchive::Outcome resumed = mine.archive().resume(*interrupted);
    QVERIFY(resumed.done() && resumed.linesLeftOut == 0);
    QCOMPARE(numbersOf(mine.journal().game().draws), QStringLiteral("17 0 36 5"));
    mine.journal().recordNumber(8);
    QCOMPARE(numbersOf(readJournal(mine.journal().path()).game.draws), QStringLiteral("17 0 36 5 8"));
    const QVector<GameSummary> previous = third.archive().previousGames();
    QCOMPARE(previous.size(), 1);
    QVERIFY(previous[0].endedNormally);
    QCOMPARE(previous[0].lastNumbers, QVector<int>({1, 2, 3}));
    QVERIFY(!QFile::exists(myPath));
}

// Killed once it holds the largest game: it comes back whole, and takes no more. A file that
// goes beyond it is refused with what lies beyond, undos applied.
void TestGames::killedWithTheLargestGame()
{
    QProcess other;
    qputenv("TST_GAMES_CHILD", "1");
    qputenv("TST_GAMES_NUMBERS", "largest");
    other.start(QCoreApplication::applicationFilePath(), QStringList());
    QVERIFY(other.waitForReadyRead(30000));
    const QString path = QString::fromUtf8(other.readLine()).trimmed();
    other.kill();
    QVERIFY(other.waitForFinished(10000));

    GameLibrary library;
    GameSession session;
    session.keepGamesIn(library);
    const std::optional<GameSummary> interrupted = library.archive().findInterrupted();
    QVERIFY(interrupted && interrupted->path == path);
    QCOMPARE(interrupted->drawCount, GameRecord::MaxDraws);
    const GameArchive::Outcome resumed = session.resume(*interrupted);
    QVERIFY(resumed.done());
    QCOMPARE(GamesWords::leftOut(resumed), QString());
    const std::vector<std::uint8_t>& draws = session.table().draws();
    QVERIFY(std::equal(draws.begin(), draws.end(), largestGame().begin(), largestGame().end()));
    QSignalSpy full(&session, &GameSession::full);
    QVERIFY(!session.confirmAndEnter(5) && !session.enterNumbers({5}));
    QCOMPARE(full.size(), 1);
    QVERIFY(!session.startGameWith(largestGame() + QVector<int>{5}));
    QVERIFY(!session.startGameWith({1, 2}, [](int) { return false; })); // "Annuler"
    QCOMPARE(session.table().drawCount(), GameRecord::MaxDraws);
    session.end();

    // Left unfinished with more (by hand): asked about once, refused, then a previous game.
    const QString beyond = library.archive().currentFolder() + QStringLiteral("/partie-2027.txt");
    put(beyond,
        contents(library.archive().previousGames().first().path) + number(1) + number(2) + number(3)
            + line("annulation"));
    const std::optional<GameSummary> tooLarge = library.archive().findInterrupted();
    QCOMPARE(tooLarge->drawCount, GameRecord::MaxDraws + 2);
    QCOMPARE(GamesWords::notResumed(library.archive().resume(*tooLarge)),
        QStringLiteral("La partie n'a pas pu être reprise : cette partie compte 2 numéros au-delà des "
                       "2\u00a0000\u00a0000 qu'une partie peut garder."));
    QVERIFY(!library.archive().findInterrupted());

    // A file that never ends is read up to a bound, and never taken up in part.
    GameSummary endless;
    endless.path = library.archive().previousGames().first().path;
    put(endless.path, Header + number(7) + QByteArray(Journal::MaxFileBytes, '\x01'));
    QVERIFY(readJournal(endless.path).tooLarge);
    QCOMPARE(GamesWords::refusal(library.archive().resume(endless)),
        QStringLiteral("le fichier de cette partie est trop grand pour être lu en entier"));
    QCOMPARE(readJournal(QStringLiteral("/dev/zero")).status, JournalReading::Status::CannotOpen);
}

void TestGames::gameWithoutLockIsInterrupted()
{
    GameLibrary library;
    GameArchive& archive = library.archive();
    const QString cut = archive.currentFolder() + QStringLiteral("/partie-2026-12-06-201500.txt");
    put(cut, Header + number(4) + number(5) + "2026-12-06 20:16");
    put(archive.currentFolder() + QStringLiteral("/partie-2026-12-05-201500.txt"),
        Header + "2026-12-05 20:15:00 numéro 9\n");
    const std::optional<GameSummary> interrupted = archive.findInterrupted();
    QVERIFY(interrupted);
    QCOMPARE(interrupted->path, cut); // the newest first
    QCOMPARE(GamesWords::resumeQuestion(*interrupted),
        QStringLiteral("Reprendre la partie interrompue ?\n\n2 numéros, commencée le 06/12/2026 à 20:15."));

    // Set aside, it is a previous game, interrupted; the other one is asked about next time.
    QVERIFY(archive.setAside(*interrupted));
    const QVector<GameSummary> games = archive.previousGames();
    QCOMPARE(games.size(), 2);
    QVERIFY(!games[0].endedNormally);
    QCOMPARE(games[0].lastNumbers, QVector<int>({4, 5}));
    QCOMPARE(archive.findInterrupted()->drawCount, 1);

    // Written again, its cut line stays one line left out and spoils nothing after it.
    QCOMPARE(GamesWords::leftOut(archive.resume(games[0])),
        QStringLiteral(
            "1 ligne du fichier de cette partie n'a pas pu être lue : elle a été laissée de côté."));
    library.journal().recordNumber(6);
    library.journal().endGame();
    const QString path = archive.previousGames()[0].path;
    QVERIFY(contents(path).contains("\n2026-12-06 20:16\n"));
    const JournalReading reading = readJournal(path);
    QCOMPARE(numbersOf(reading.game.draws), QStringLiteral("4 5 6"));
    QVERIFY(reading.game.endedNormally);
    QCOMPARE(reading.linesLeftOut, 1);
}

// Read back as a table; where it cannot be written, said why and nothing left behind.
void TestGames::exportReadBackAsTable()
{
    GameRecord game;
    game.draws = {{17, Start}, {0, Start.addSecs(61)}, {36, Start.addSecs(3600)}};
    const QString path = m_home->filePath(CsvExport::suggestedFileName(Start));
    QVERIFY(path.endsWith(QStringLiteral("/tambrel-2026-12-06-2015.csv")));
    QVERIFY(!CsvExport::write(game, path));

    QByteArray bytes = contents(path);
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    QList<QStringList> rows;
    for (const QString& row :
        QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        rows << row.split(QLatin1Char(';'));
    }
    const QList<QStringList> expected{
        {"rang", "numéro", "couleur", "pair/impair", "manque/passe", "douzaine", "colonne", "date et heure"},
        {"1", "17", "noir", "impair", "manque", "2", "2", "06/12/2026 20:15:00"},
        {"2", "0", "vert", "", "", "", "", "06/12/2026 20:16:01"},
        {"3", "36", "rouge", "pair", "passe", "3", "3", "06/12/2026 21:15:00"},
    };
    QCOMPARE(rows, expected);

    QCOMPARE(GamesWords::exportFailed(
                 CsvExport::write(game, path + QStringLiteral("/x.csv")).value_or(DiskFailure())),
        QStringLiteral("La partie n'a pas pu être exportée : le dossier %1 ne peut pas être créé.")
            .arg(path));
    QCOMPARE(GamesWords::exportFailed(CsvExport::write(game, m_home->path()).value_or(DiskFailure())),
        QStringLiteral("La partie n'a pas pu être exportée : le fichier %1 ne peut pas être remplacé.")
            .arg(QFileInfo(m_home->path()).fileName()));
    QCOMPARE(contents(path), bytes);
}

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (qEnvironmentVariableIsSet("TST_GAMES_CHILD")) {
        return playAsAnotherProgram();
    }
    TestGames test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_games.moc"
