// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechQueue.h"

#include "platform/SpeechEngine.h"

SpeechQueue::SpeechQueue(EngineFactory factory, QObject* parent)
    : QObject(parent)
    , m_factory(std::move(factory))
{ }

SpeechQueue::~SpeechQueue() = default;

bool SpeechQueue::isEngineAvailable() const
{
    return m_engine && m_engine->isAvailable();
}

void SpeechQueue::speak(const QString& phrase)
{
    if (!m_engineMade) {
        m_engineMade = true;
        if (m_factory) {
            m_engine = m_factory();
        }
        if (m_engine) {
            connect(m_engine.get(), &SpeechEngine::finished, this, [this] {
                m_busy = false;
                next();
            });
        }
    }
    if (!isEngineAvailable()) {
        return; // no engine: the advice is shown, not spoken
    }
    m_waiting.enqueue(phrase);
    if (!m_busy) {
        next();
    }
}

void SpeechQueue::next()
{
    if (!isEngineAvailable()) {
        m_waiting.clear(); // the engine gave up: nothing left will be spoken
        return;
    }
    if (m_busy || m_waiting.isEmpty()) {
        return;
    }
    m_busy = true;
    m_engine->say(m_waiting.dequeue());
}
