// SPDX-License-Identifier: GPL-3.0-or-later
// A speech engine that records the phrases it is given and finishes each one when told to
// (or at once), so tests can follow the order of speech without a sound card.
#pragma once

#include "platform/SpeechEngine.h"

#include <QStringList>

class RecordingSpeechEngine : public SpeechEngine
{
public:
    explicit RecordingSpeechEngine(QStringList* spoken, bool finishAtOnce = true, bool available = true)
        : m_spoken(spoken)
        , m_finishAtOnce(finishAtOnce)
        , m_available(available)
    { }

    bool isAvailable() const override { return m_available; }

    void say(const QString& phrase) override
    {
        m_spoken->append(phrase);
        ++m_speaking;
        if (m_finishAtOnce) {
            finish();
        }
    }

    // Reports the phrase being spoken as done.
    void finish()
    {
        if (m_speaking > 0) {
            --m_speaking;
            emit finished();
        }
    }

    int speaking() const { return m_speaking; }

private:
    QStringList* m_spoken;
    bool m_finishAtOnce;
    bool m_available;
    int m_speaking = 0;
};
