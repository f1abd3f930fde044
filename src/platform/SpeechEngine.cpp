// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpeechEngine.h"

#include "platform/Language.h"

#include <QLocale>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>

namespace {

// Lives in the speech thread: every call into the speech service is made there. A service
// that hangs (speech-dispatcher without a working sound card stops answering once a phrase
// is left unfinished) then holds up that thread only, never the board.
class SpeechWorker : public QObject
{
    Q_OBJECT

public:
    SpeechWorker(QString engineName, QLocale::Language language)
        : m_engineName(std::move(engineName))
        , m_language(language)
    { }

    void start()
    {
        m_speech = m_engineName.isEmpty() ? new QTextToSpeech(this) : new QTextToSpeech(m_engineName, this);
        bool voiceFound = false;
        if (m_speech->state() != QTextToSpeech::Error) {
            const QList<QLocale> locales = m_speech->availableLocales();
            for (const QLocale& locale : locales) {
                if (locale.language() == m_language) {
                    m_speech->setLocale(locale);
                    voiceFound = true;
                    break;
                }
            }
        }
        connect(m_speech, &QTextToSpeech::stateChanged, this,
            [this](QTextToSpeech::State state) { emit stateChanged(static_cast<int>(state)); });
        emit started(m_speech->state() != QTextToSpeech::Error, voiceFound);
    }

    void say(const QString& phrase)
    {
        if (m_speech && m_speech->state() != QTextToSpeech::Error) {
            m_speech->say(phrase);
        }
    }

signals:
    void started(bool available, bool voiceFound);
    void stateChanged(int state);

private:
    QString m_engineName;
    QLocale::Language m_language;
    QTextToSpeech* m_speech = nullptr;
};

class DesktopSpeechEngine : public SpeechEngine
{
public:
    explicit DesktopSpeechEngine(const QString& engineName)
        : m_thread(new QThread)
        , m_worker(new SpeechWorker(engineName, Language::locale().language()))
        , m_watchdog(new QTimer(this))
    {
        m_thread->setObjectName(QStringLiteral("speech"));
        m_worker->moveToThread(m_thread);
        connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
        connect(m_worker, &SpeechWorker::started, this, &DesktopSpeechEngine::onStarted);
        connect(m_worker, &SpeechWorker::stateChanged, this, &DesktopSpeechEngine::onStateChanged);

        // Without a sound card an engine may never say a phrase is done; the phrase is given
        // up after a generous estimate of its length, so the phrases behind it still go out.
        m_watchdog->setSingleShot(true);
        connect(m_watchdog, &QTimer::timeout, this, &DesktopSpeechEngine::done);

        m_thread->start();
        QMetaObject::invokeMethod(m_worker, &SpeechWorker::start, Qt::QueuedConnection);
    }

    ~DesktopSpeechEngine() override
    {
        m_thread->quit();
        if (m_thread->wait(2000)) {
            delete m_thread;
        }
        // Otherwise the thread is stuck in the speech service: it is left to end with the
        // process rather than hold up the program's exit.
    }

    // Available until the engine has said otherwise: phrases handed over while it loads
    // wait in the speech thread.
    bool isAvailable() const override { return m_status != Status::Unavailable; }

    void say(const QString& phrase) override
    {
        if (!isAvailable()) {
            return;
        }
        m_speaking = true;
        m_heardSpeaking = false;
        m_watchdog->start(3000 + 120 * static_cast<int>(phrase.size()));
        QMetaObject::invokeMethod(
            m_worker, [worker = m_worker, phrase] { worker->say(phrase); }, Qt::QueuedConnection);
    }

private:
    enum class Status { Loading, Available, Unavailable };

    void onStarted(bool available, bool voiceFound)
    {
        m_status = available ? Status::Available : Status::Unavailable;
        setProperty("voiceOfTheLanguage", voiceFound);
        emit loaded(available);
        if (!available) {
            done();
        }
    }

    void onStateChanged(int state)
    {
        if (!m_speaking) {
            return;
        }
        if (state == QTextToSpeech::Speaking) {
            m_heardSpeaking = true;
        } else if (state == QTextToSpeech::Error || (state == QTextToSpeech::Ready && m_heardSpeaking)) {
            done();
        }
    }

    void done()
    {
        if (!m_speaking) {
            return;
        }
        m_speaking = false;
        m_watchdog->stop();
        emit finished();
    }

    QThread* m_thread;
    SpeechWorker* m_worker;
    QTimer* m_watchdog;
    Status m_status = Status::Loading;
    bool m_speaking = false;
    bool m_heardSpeaking = false;
};

} // namespace

std::unique_ptr<SpeechEngine> createDesktopSpeechEngine(const QString& engineName)
{
    return std::make_unique<DesktopSpeechEngine>(engineName);
}

#include "SpeechEngine.moc"
