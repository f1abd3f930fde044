// SPDX-License-Identifier: GPL-3.0-or-later
// Spoken advice: an entry's phrases reach the engine one after the other, only while the
// indicator has switched speech on; the desktop's engine, present or missing.
#include "board/BoardWindow.h"
#include "platform/Language.h"
#include "platform/SpeechEngine.h"
#include "speech/SpeechIndicator.h"
#include "speech/SpeechQueue.h"
#include "support/Controls.h"
#include "support/Entries.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <csignal>

namespace {

// Records the phrases it is given; each is spoken until the test finishes it.
class RecordingSpeechEngine : public SpeechEngine
{
public:
    explicit RecordingSpeechEngine(QStringList* spoken)
        : m_spoken(spoken)
    { }
    bool isAvailable() const override { return true; }
    void say(const QString& phrase) override
    {
        m_spoken->append(phrase);
        ++speaking;
    }
    void finish()
    {
        --speaking;
        emit finished();
    }

    int speaking = 0;

private:
    QStringList* m_spoken;
};

} // namespace

class TestSpeech : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { MessageBox::clearNextAnswer(); }

    // Long runs everywhere while speech is off: nothing said, no engine made. A click on the
    // indicator turns speech on (the golden file shows how it looks), and each entry's phrases
    // wait behind those of the entries before, spoken one after another; an undo leaves speech
    // on. Space on the indicator turns speech off again.
    void entriesQueueTheirPhrasesOnlyWhileOn()
    {
        QStringList spoken;
        QList<RecordingSpeechEngine*> engines;
        BoardWindow board;
        board.setSpeechEngineFactory([&] {
            auto made = std::make_unique<RecordingSpeechEngine>(&spoken);
            engines << made.get();
            return made;
        });
        board.show();
        for (const int n : {1, 3, 5, 7, 9}) {
            QVERIFY(enterConfirmed(board, n));
        }
        QVERIFY(board.table().isBlinking(BlinkTimer::Colour) && board.table().spokenPhrases().isEmpty());
        QVERIFY(engines.isEmpty());

        auto* indicator = control<SpeechIndicator>(&board, "speechIndicator");
        QTest::mouseClick(indicator, Qt::LeftButton);
        QVERIFY(board.table().speaksAdvice() && indicator->isChecked());
        QStringList expected;
        for (const int n : {11, 13, 15}) {
            QVERIFY(enterConfirmed(board, n));
            expected += board.table().spokenPhrases();
            QCOMPARE(spoken.size(), 1); // the first phrase is still being spoken
            QCOMPARE(board.speechQueue().pending(), expected.size());
        }
        QVERIFY(expected.size() >= 6);
        while (engines.first()->speaking > 0) {
            engines.first()->finish();
        }
        QCOMPARE(spoken, expected);
        QCOMPARE(engines.size(), 1);
        // Another table speaks as the first; the first, out of sight, after its name.
        board.tables().add();
        QVERIFY(board.table().speaksAdvice());
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.tables().at(0).confirmAndEnter(17));
        const QStringList elsewhere = board.tables().at(0).table().spokenPhrases();
        QVERIFY(!elsewhere.isEmpty());
        QCOMPARE(spoken.mid(expected.size()), QStringList{QStringLiteral("Table 1 : ") + elsewhere.first()});
        while (engines.first()->speaking > 0) {
            engines.first()->finish();
        }
        board.tables().show(0);
        MessageBox::setNextAnswer(MessageBox::Yes);
        QVERIFY(board.undoLastNumber() && board.table().speaksAdvice());

        indicator->setFocus();
        QTest::keyClick(indicator, Qt::Key_Space);
        QVERIFY(!board.table().speaksAdvice() && !indicator->isChecked());
        const qsizetype said = spoken.size();
        QVERIFY(enterConfirmed(board, 17));
        QCOMPARE(spoken.size(), said);
    }

    void spokenInEnglish_data()
    {
        using namespace Roulette;
        QTest::addColumn<AdviceSummary>("advice");
        QTest::addColumn<QStringList>("said");
        QTest::addRow("black, low, even")
            << AdviceSummary{NumberColour::Black, Half::Manque, Parity::Pair, false, false, false}
            << QStringList{"You may play black!", "You may play the numbers 1 to 18!",
                   "You may play the even numbers!"};
        QTest::addRow("red, high, odd, columns, dozens, numbers")
            << AdviceSummary{NumberColour::Red, Half::Passe, Parity::Impair, true, true, true}
            << QStringList{"You may play red!", "You may play the numbers 19 to 36!",
                   "You may play the odd numbers!", "You may play the yellow columns!",
                   "You may play the yellow dozens!", "You may play the flashing numbers!"};
    }

    // Each advice is one whole sentence in the language the program speaks.
    void spokenInEnglish()
    {
        QFETCH(AdviceSummary, advice);
        QFETCH(QStringList, said);
        Language::install(*QCoreApplication::instance(), Language::Choice::English);
        const QStringList english = SpokenAdvice::phrases(advice);
        Language::install(*QCoreApplication::instance(), Language::Choice::French);
        QCOMPARE(english, said);
    }

    void desktopEngine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("this machine's, in French") << QString();
        QTest::addRow("one that cannot be loaded") << QStringLiteral("no-such-engine");
    }

    // The desktop's engine takes phrases, the others waiting their turn; one that cannot be
    // loaded drops them. Without a sound card a phrase may never be reported done and the
    // speech service then stops answering: the test gives it a private one, never waited on.
    void desktopEngine()
    {
        QFETCH(QString, name);
        QTemporaryDir runtime;
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray previous = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        const auto restore = qScopeGuard([&] {
            QFile pidFile(runtime.filePath(QStringLiteral("speech-dispatcher/pid/speech-dispatcher.pid")));
            const qint64 pid
                = pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toLongLong() : 0;
            if (pid > 1) {
                ::kill(static_cast<pid_t>(pid), SIGKILL);
            }
            previous.isEmpty() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", previous);
        });
        const bool available = name.isEmpty();
        const std::unique_ptr<SpeechEngine> engine = createDesktopSpeechEngine(name);
        QSignalSpy loaded(engine.get(), &SpeechEngine::loaded);
        QVERIFY(loaded.wait(20000));
        QCOMPARE(loaded.first().first().toBool(), available);
        QCOMPARE(engine->property("voiceOfTheLanguage").toBool(), available);
        SpeechQueue queue([name] { return createDesktopSpeechEngine(name); });
        for (const char* phrase : {"Vous pouvez jouer , la couleur NOIR !", "un", "deux"}) {
            queue.speak(QString::fromUtf8(phrase));
        }
        QTRY_COMPARE_WITH_TIMEOUT(queue.pending(), available ? 3 : 0, 10000);
        QTest::qWait(1000);
        QCOMPARE(queue.isEngineAvailable(), available);
    }
};

QTEST_MAIN(TestSpeech)
#include "tst_speech.moc"
