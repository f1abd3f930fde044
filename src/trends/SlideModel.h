// A trend window's slide: collapsed to its top row (690 twips high) or open on its four rows
// of counters (1710), moving 10 twips a tick between the two. The button is disabled while
// the window moves, so a slide cannot be restarted or reversed half-way.
#pragma once

#include <QString>

class SlideModel
{
public:
    static constexpr int CollapsedHeight = 690;
    static constexpr int OpenHeight = 1710;
    static constexpr int Step = 10;
    static constexpr int TickInterval = 10; // milliseconds

    SlideModel();

    // The slide button: starts opening a collapsed window (tag "0"), closing an open one
    // (tag "1").
    void Command1_Click();

    // One step of the slide timer.
    void Timer1_Timer();

    QString tag() const { return m_tag; }
    int height() const { return m_height; } // outer height in twips
    bool isTimerEnabled() const { return m_timerEnabled; }
    bool isButtonEnabled() const { return m_buttonEnabled; }
    QString picture() const { return m_picture; } // the button's arrow

    int pas() const { return m_pas; }
    int hauteurdepart() const { return m_hauteurdepart; }
    int hauteurcible() const { return m_hauteurcible; }
    int decalage() const { return m_decalage; }

private:
    void start(int from, int to, int step, const QString& nextTag);

    QString m_tag = QStringLiteral("0");
    QString m_picture;
    int m_height = CollapsedHeight;
    bool m_timerEnabled = false;
    bool m_buttonEnabled = true;
    int m_pas = 0;
    int m_hauteurdepart = 0;
    int m_hauteurcible = 0;
    int m_decalage = 0;
};
