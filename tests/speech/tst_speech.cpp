// Spoken advice: which sentences an entry reads, in what order, and how they reach the
// engine one after the other; the indicator that switches it on and off.
#include "board/Form1.h"
#include "platform/MessageBox.h"
#include "platform/SpeechEngine.h"
#include "speech/SpeechIndicator.h"
#include "speech/SpeechQueue.h"
#include "support/Controls.h"
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
    void evenChanceSentences_data();
    void evenChanceSentences();
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
    static bool enter(Form1& board, int number)
    {
        MessageBox::setNextAnswer(MessageBox::Yes);
        return board.Text1_Click(number);
    }
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
        QVERIFY(enter(board, n));
    }
    QVERIFY(board.model().isTimerEnabled(2));
    QVERIFY(spoken.isEmpty());
    QVERIFY(board.model().spokenPhrases().isEmpty());
    QVERIFY(!board.speechQueue().hasEngine());
}

void TestSpeech::evenChanceSentences_data()
{
    QTest::addColumn<QList<int>>("numbers");
    QTest::addColumn<QStringList>("phrases");

    // Four reds 1, 3, 5, 7: colour suggests black, passe/manque "+" (all manque), pair/impair
    // "P" (all odd).
    QTest::addRow("four odd reds in the first half")
        << QList<int>{1, 3, 5, 7}
        << QStringList{"Vous pouvez jouer , la couleur NOIR !",
               "Vous pouvez jouer , les numeros de 19 , a 36 !", "Vous pouvez jouer , les numeros , PAIRE !"};
    // Four blacks of the second half, even: red, "-", "I".
    QTest::addRow("four even blacks in the second half")
        << QList<int>{20, 22, 24, 26}
        << QStringList{"Vous pouvez jouer , la couleur ROUGE !",
               "Vous pouvez jouer , les numeros de 1 , a 18 !",
               "Vous pouvez jouer , les numeros , IMPAIRE !"};
    // Passe and manque alternate five times while colour and parity go in pairs: the side
    // that continues the alternation.
    QTest::addRow("passe/manque alternation")
        << QList<int>{1, 20, 2, 21, 3} << QStringList{"Vous pouvez jouer , les numeros de 1 , a 18 !"};
    QTest::addRow("no advice") << QList<int>{1, 2, 3} << QStringList{};
}

void TestSpeech::evenChanceSentences()
{
    QFETCH(QList<int>, numbers);
    QFETCH(QStringList, phrases);

    QStringList spoken;
    Form1 board;
    board.setSpeechEngineFactory([&spoken] { return std::make_unique<RecordingSpeechEngine>(&spoken); });
    board.basculeParole();
    for (const int n : numbers) {
        QVERIFY(enter(board, n));
    }
    QCOMPARE(board.model().spokenPhrases(), phrases);
    // Earlier entries had no advice: what was spoken is this entry's.
    QCOMPARE(spoken, phrases);
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
    for (const int n : {1, 3, 5, 7}) {
        QVERIFY(enter(board, n)); // three phrases, the first one started
    }
    QCOMPARE(spoken.size(), 1);
    QVERIFY(enter(board, 9)); // five odd reds: three more phrases wait behind
    QCOMPARE(spoken.size(), 1);
    QCOMPARE(board.speechQueue().pending(), 6);
    for (int i = 0; i < 6; ++i) {
        engine->finish();
    }
    QCOMPARE(spoken.size(), 6);
    QCOMPARE(spoken.mid(0, 3), spoken.mid(3, 3)); // the same advice twice, in order
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
    QVERIFY(enter(board, 17));
    QVERIFY(enter(board, 17));

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
        QVERIFY(enter(board, n));
    }
    QVERIFY(board.speechQueue().hasEngine());
    QCOMPARE(board.speechQueue().pending(), 3); // one handed over, two waiting their turn
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
        QVERIFY(enter(board, n));
    }
    QCOMPARE(board.model().spokenPhrases().size(), 3);
    QTRY_COMPARE_WITH_TIMEOUT(board.speechQueue().pending(), 0, 10000);
    QVERIFY(!board.speechQueue().isEngineAvailable());
    QVERIFY(enter(board, 9));
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
