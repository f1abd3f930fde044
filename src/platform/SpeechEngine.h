// SPDX-License-Identifier: GPL-3.0-or-later
// What the program needs of a speech engine: say one phrase, and hear when it is done. The
// desktop's engine is the default; tests use one that records what it is given.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class SpeechEngine : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // False when no engine could be loaded: phrases are then dropped.
    virtual bool isAvailable() const = 0;

    // Starts speaking one phrase; returns at once. finished() follows when it is done.
    virtual void say(const QString& phrase) = 0;

signals:
    void finished();
    // The engine has loaded (or failed to): phrases from now on are spoken or dropped.
    void loaded(bool available);
};

// The desktop's text-to-speech (speech-dispatcher on Linux), with a voice of the program's
// language when it offers one, run in a thread of its own. An empty engine name takes Qt's
// default; a name that cannot be loaded gives an engine that becomes unavailable once it has
// tried.
std::unique_ptr<SpeechEngine> createDesktopSpeechEngine(const QString& engineName = QString());
