// Spoken advice: which sentences an entry reads, in what order, and how they reach the
// engine one after the other; the indicator that switches it on and off.
#include "board/Form1.h"
#include "platform/MessageBox.h"
#include "platform/SpeechEngine.h"
#include "speech/SpeechIndicator.h"
#include "speech/SpeechQueue.h"
#include "support/Controls.h"
#include "support/Entries.h"
#include "support/RecordingSpeechEngine.h"

#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/types.h>

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void nothingIsSpokenWhileOff();
    void adviceSentences_data();
    void adviceSentences();
    void waitingNumbersAreSpokenWhenRed();
    void queueHandsPhrasesOverOneByOne();
    void laterEntriesWaitBehindEarlierPhrases();
    void noEngineDropsPhrases();
    void engineIsOnlyMadeWhenNeeded();
    void indicatorTogglesAndKeepsTheGame();
    void indicatorFromTheKeyboard();
    void realEngineTakesFrenchPhrases();
    void boardWorksWithoutAnEngine();

private:
    static void stopPrivateSpeechService(const QString& runtime);
};

void TestSpeech::cleanup()
{
    MessageBox::clearNextAnswer();
}

void TestSpeech::nothingIsSpokenWhileOff()
{
    QStringList spoken;
    Form1 board;
    board.setSpeechEngineFactory([&spoken] { return std::make_unique<RecordingSpeechEngine>(&spoken); });
    for (const int n : {1, 3, 5, 7, 9, 12, 14, 0, 0, 0, 0}) { // long runs in every window
        QVERIFY(enterConfirmed(board, n));
    }
    QVERIFY(board.model().isTimerEnabled(2));
    QVERIFY(spoken.isEmpty());
    QVERIFY(board.model().spokenPhrases().isEmpty());
    QVERIFY(!board.speechQueue().hasEngine());
}

void TestSpeech::adviceSentences_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("phrases");

    // Four reds 1, 3, 5, 7, all manque, odd and of the first dozen: play black, passe, pair,
    // and the two other dozens.
    QTest::addRow("four odd reds in the first dozen")
        << QList<int>{1, 3, 5, 7}
        << QStringList{"Vous pouvez jouer , la couleur NOIR !",
               "Vous pouvez jouer , les numeros de 19 , a 36 !", "Vous pouvez jouer , les numeros , PAIRE !",
               "Vous pouvez jouer , les douzaines , JAUNES !"};
    // Four even blacks of the second half, the last two dozens and columns mixed.
    QTest::addRow("four even blacks in the second half")
        << QList<int>{20, 22, 24, 26}
        << QStringList{"Vous pouvez jouer , la couleur ROUGE !",
               "Vous pouvez jouer , les numeros de 1 , a 18 !",
               "Vous pouvez jouer , les numeros , IMPAIRE !"};
    // Passe and manque alternate five times while colour and parity go in pairs: the side
    // that continues the alternation.
    QTest::addRow("passe/manque alternation")
        << QList<int>{1, 20, 2, 21, 3} << QStringList{"Vous pouvez jouer , les numeros de 1 , a 18 !"};
    // Four blacks, the last three of the first dozen and all four of the second column: red,
    // then the columns, then the dozens.
    QTest::addRow("red with columns and dozens")
        << QList<int>{29, 2, 8, 11}
        << QStringList{"Vous pouvez jouer , la couleur ROUGE !",
               "Vous pouvez jouer , les colonnes , JAUNES !", "Vous pouvez jouer , les douzaines , JAUNES !"};
    QTest::addRow("no advice") << QList<int>{1, 14, 27} << QStringList{};
}

void TestSpeech::adviceSentences()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, phrases);

    QStringList spoken;
    Form1 board;
    board.setSpeechEngineFactory([&spoken] { return std::make_unique<RecordingSpeechEngine>(&spoken); });
    board.basculeParole();
    for (const int n : numbers) {
        QVERIFY(enterConfirmed(board, n));
    }
    QCOMPARE(board.model().spokenPhrases(), phrases);
    QCOMPARE(spoken.mid(spoken.size() - phrases.size()), phrases);
}

// Ten numbers left undrawn, and six more entries without any of them: the waiting indicator
// turns red and the last sentence asks to play the blinking numbers.
void TestSpeech::waitingNumbersAreSpokenWhenRed()
{
    QStringList spoken;
    Form1 board;
    board.setSpeechEngineFactory([&spoken] { return std::make_unique<RecordingSpeechEngine>(&spoken); });
    for (int n = 0; n <= 26; ++n) {
        QVERIFY(enterConfirmed(board, n));
    }
    QCOMPARE(board.model().levelCount(), 10);
    board.basculeParole();
    const QString numbers = QStringLiteral("Vous pouvez jouer , les numeros  , clignotants !");
    for (const int n : {12, 4, 17, 9, 22}) {
        QVERIFY(enterConfirmed(board, n));
        QVERIFY(!board.model().spokenPhrases().contains(numbers));
    }
    QVERIFY(enterConfirmed(board, 14));
    QCOMPARE(board.model().label8Colour(), Colours::Red);
    QCOMPARE(board.model().spokenPhrases().last(), numbers);
    QCOMPARE(spoken.last(), numbers);
}

void TestSpeech::queueHandsPhrasesOverOneByOne()
{
    QStringList spoken;
    RecordingSpeechEngine* engine = nullptr;
    SpeechQueue queue([&] {
        auto made = std::make_unique<RecordingSpeechEngine>(&spoken, false);
        engine = made.get();
        return made;
    });
    queue.speak(QStringLiteral("un"));
    queue.speak(QStringLiteral("deux"));
    queue.speak(QStringLiteral("trois"));
    QCOMPARE(spoken, QStringList{"un"});
    QCOMPARE(queue.pending(), 3);
    engine->finish();
    QCOMPARE(spoken, (QStringList{"un", "deux"}));
    QCOMPARE(engine->speaking(), 1);
    engine->finish();
    engine->finish();
    QCOMPARE(spoken, (QStringList{"un", "deux", "trois"}));
    QCOMPARE(queue.pending(), 0);
    queue.speak(QStringLiteral("quatre")); // an idle queue speaks at once
    QCOMPARE(spoken.last(), QStringLiteral("quatre"));
}

void TestSpeech::laterEntriesWaitBehindEarlierPhrases()
{
    QStringList spoken;
    RecordingSpeechEngine* engine = nullptr;
    Form1 board;
    board.setSpeechEngineFactory([&] {
        auto made = std::make_unique<RecordingSpeechEngine>(&spoken, false);
        engine = made.get();
        return made;
    });
    board.basculeParole();
    QStringList expected;
    for (const int n : {1, 3, 5, 7, 9}) { // advice from the third entry on, more at each
        QVERIFY(enterConfirmed(board, n));
        expected += board.model().spokenPhrases();
        QCOMPARE(spoken.size(), expected.isEmpty() ? 0 : 1); // the first phrase is still being spoken
        QCOMPARE(board.speechQueue().pending(), expected.size());
    }
    QVERIFY(expected.size() >= 9);
    while (engine->speaking() > 0) {
        engine->finish();
    }
    QCOMPARE(spoken, expected);
    QCOMPARE(board.speechQueue().pending(), 0);
}

void TestSpeech::noEngineDropsPhrases()
{
    QStringList spoken;
    SpeechQueue queue([&spoken] { return std::make_unique<RecordingSpeechEngine>(&spoken, true, false); });
    queue.speak(QStringLiteral("perdu"));
    QVERIFY(spoken.isEmpty());
    QCOMPARE(queue.pending(), 0);
}

void TestSpeech::engineIsOnlyMadeWhenNeeded()
{
    int made = 0;
    QStringList spoken;
    SpeechQueue queue([&] {
        ++made;
        return std::make_unique<RecordingSpeechEngine>(&spoken);
    });
    QCOMPARE(made, 0);
    queue.speak(QStringLiteral("a"));
    queue.speak(QStringLiteral("b"));
    QCOMPARE(made, 1);
}

void TestSpeech::indicatorTogglesAndKeepsTheGame()
{
    Form1 board;
    auto* indicator = control<SpeechIndicator>(&board, "DirectSS1");
    QVERIFY(indicator);
    QCOMPARE(indicator->geometry(), QRect(8, 48, 9, 9)); // 120, 720, 135 x 135 twips
    QVERIFY(!indicator->toolTip().isEmpty());
    QVERIFY(enterConfirmed(board, 17));
    QVERIFY(enterConfirmed(board, 17));

    QTest::mouseClick(indicator, Qt::LeftButton);
    QVERIFY(board.model().spokenAdvice().paroleAgrandie());
    QCOMPARE(indicator->geometry(), QRect(0, 40, 25, 25)); // 0, 600, 375 x 375
    QVERIFY(indicator->isChecked());

    QTest::mouseClick(indicator, Qt::LeftButton);
    QVERIFY(!board.model().spokenAdvice().paroleAgrandie());
    QCOMPARE(indicator->geometry(), QRect(8, 48, 9, 9));
    // Switching speech changes nothing of the game.
    QCOMPARE(board.model().tirage(), 2);
    QCOMPARE(board.model().cell(17).hitCount, 2);
}

void TestSpeech::indicatorFromTheKeyboard()
{
    Form1 board;
    board.show();
    QVERIFY(QTest::qWaitForWindowExposed(&board));
    auto* indicator = control<SpeechIndicator>(&board, "DirectSS1");
    QCOMPARE(indicator->focusPolicy(), Qt::StrongFocus);
    indicator->setFocus();
    QTest::keyClick(indicator, Qt::Key_Space);
    QVERIFY(board.model().spokenAdvice().paroleAgrandie());
    QCOMPARE(indicator->accessibleName(), QStringLiteral("Conseils parlés activés"));
}

// The desktop's engine on this machine: it loads, offers French, and takes phrases. It is
// never waited on: without a sound card it may never report a phrase as done, and the speech
// service then stops answering, so the test gives it a private service of its own.
void TestSpeech::realEngineTakesFrenchPhrases()
{
    QTemporaryDir runtime;
    QVERIFY(runtime.isValid());
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    const auto restore = qScopeGuard([&] {
        stopPrivateSpeechService(runtime.path());
        if (previous.isEmpty()) {
            qunsetenv("XDG_RUNTIME_DIR");
        } else {
            qputenv("XDG_RUNTIME_DIR", previous);
        }
    });

    {
        const std::unique_ptr<SpeechEngine> engine = createDesktopSpeechEngine();
        QSignalSpy loaded(engine.get(), &SpeechEngine::loaded);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.first().first().toBool(), true);
        QVERIFY(engine->isAvailable());
        QVERIFY(engine->property("frenchChosen").toBool());
    }

    Form1 board;
    board.basculeParole();
    for (const int n : {1, 3, 5, 7}) {
        QVERIFY(enterConfirmed(board, n));
    }
    QVERIFY(board.speechQueue().hasEngine());
    // The first phrase is handed over, the others wait their turn: nothing is lost.
    QCOMPARE(board.speechQueue().pending(), 5);
    QTest::qWait(1000);
    QVERIFY(board.speechQueue().isEngineAvailable());
}

void TestSpeech::boardWorksWithoutAnEngine()
{
    {
        const std::unique_ptr<SpeechEngine> missing
            = createDesktopSpeechEngine(QStringLiteral("no-such-engine"));
        QSignalSpy loaded(missing.get(), &SpeechEngine::loaded);
        QVERIFY(loaded.wait(10000));
        QCOMPARE(loaded.first().first().toBool(), false);
        QVERIFY(!missing->isAvailable());
        missing->say(QStringLiteral("rien")); // dropped, never a crash
    }

    Form1 board;
    board.setSpeechEngineFactory([] { return createDesktopSpeechEngine(QStringLiteral("no-such-engine")); });
    board.basculeParole();
    for (const int n : {1, 3, 5, 7}) {
        QVERIFY(enterConfirmed(board, n));
    }
    QCOMPARE(board.model().spokenPhrases().size(), 4);
    QTRY_COMPARE_WITH_TIMEOUT(board.speechQueue().pending(), 0, 10000);
    QVERIFY(!board.speechQueue().isEngineAvailable());
    QVERIFY(enterConfirmed(board, 9));
    QCOMPARE(board.speechQueue().pending(), 0);
    QCOMPARE(board.model().tirage(), 5);
    board.basculeParole();
    QVERIFY(!board.model().spokenAdvice().paroleAgrandie());
}

void TestSpeech::stopPrivateSpeechService(const QString& runtime)
{
    QFile pidFile(runtime + QStringLiteral("/speech-dispatcher/pid/speech-dispatcher.pid"));
    if (pidFile.open(QIODevice::ReadOnly)) {
        const qint64 pid = pidFile.readAll().trimmed().toLongLong();
        if (pid > 1) {
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        }
    }
}

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
