// SPDX-License-Identifier: GPL-3.0-or-later
// Speaks phrases in the order they are handed over, each after the previous one is done.
// Handing a phrase over returns at once; an entry's phrases wait behind those still queued.
#pragma once

#include <QObject>
#include <QQueue>
#include <QString>
#include <functional>
#include <memory>

class SpeechEngine;

class SpeechQueue : public QObject
{
    Q_OBJECT

public:
    using EngineFactory = std::function<std::unique_ptr<SpeechEngine>()>;

    // The engine is made when the first phrase comes, so that a program that never speaks
    // never loads one.
    explicit SpeechQueue(EngineFactory factory, QObject* parent = nullptr);
    ~SpeechQueue() override;

    void speak(const QString& phrase);

    int pending() const { return static_cast<int>(m_waiting.size()) + (m_busy ? 1 : 0); }
    bool isEngineAvailable() const;

private:
    void next();

    EngineFactory m_factory;
    std::unique_ptr<SpeechEngine> m_engine;
    bool m_engineMade = false;
    QQueue<QString> m_waiting;
    bool m_busy = false;
};
