// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a window's controls by their object name (and index, for control arrays).
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>

// The window's own controls come before those of the windows it owns.
template<typename T>
T* control(const QWidget* window, const QString& name, int index = -1)
{
    const QList<T*> found
        = window->findChildren<T*>(name, Qt::FindDirectChildrenOnly) + window->findChildren<T*>(name);
    for (T* widget : found) {
        if (index < 0 || widget->property("index") == QVariant(index)) {
            return widget;
        }
    }
    return nullptr;
}

// Runs `action` on the modal widget of type T as soon as it is shown (for real modal boxes).
template<typename T, typename Action>
void whenModalShown(Action action)
{
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}
