// SPDX-License-Identifier: GPL-3.0-or-later
// A trend window's slide: collapsed to its top row (690 twips high) or open on its four rows
// of counters (1710), moving 10 twips a tick between the two. The button is disabled while
// the window moves, so a slide cannot be restarted or reversed half-way.
#pragma once

class SlideModel
{
public:
    static constexpr int CollapsedHeight = 690;
    static constexpr int OpenHeight = 1710;
    static constexpr int Step = 10;
    static constexpr int TickInterval = 10; // milliseconds

    // The slide button: starts opening a collapsed window, closing an open one.
    void toggle();

    // One step of the slide timer.
    void tick();

    // What the next click of the button does: open (true) or close.
    bool opensNext() const { return m_opensNext; }
    int height() const { return m_height; } // outer height in twips
    bool isTimerEnabled() const { return m_timerEnabled; }
    bool isButtonEnabled() const { return m_buttonEnabled; }
    // Collapsed, the arrow points down to open the window; open, up to close it.
    bool arrowPointsUp() const { return m_arrowUp; }

private:
    void start(int from, int to, int step);

    bool m_opensNext = true;
    bool m_arrowUp = false;
    int m_height = CollapsedHeight;
    bool m_timerEnabled = false;
    bool m_buttonEnabled = true;
    int m_step = 0;
    int m_startHeight = 0;
    int m_targetHeight = 0;
    int m_offset = 0;
};
