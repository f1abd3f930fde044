// SPDX-License-Identifier: GPL-3.0-or-later
// The speech indicator on the board: a small loudspeaker while spoken advice is off, a large
// one with its sound waves while it is on. A click, or Space when it has the focus, toggles.
#pragma once

#include <QAbstractButton>

class SpeechIndicator : public QAbstractButton
{
    Q_OBJECT

public:
    explicit SpeechIndicator(QWidget* parent = nullptr);

    // Shows the state spoken advice is in; the accessible name says it in words.
    void showState(bool on);

protected:
    void paintEvent(QPaintEvent* event) override;
};
