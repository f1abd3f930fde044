// SPDX-License-Identifier: GPL-3.0-or-later
#include "trends/SlideModel.h"

void SlideModel::Command1_Click()
{
    if (!m_buttonEnabled) {
        return;
    }
    if (m_opensNext) {
        start(CollapsedHeight, OpenHeight, Step);
    } else {
        start(OpenHeight, CollapsedHeight, -Step);
    }
    m_opensNext = !m_opensNext;
}

void SlideModel::start(int from, int to, int step)
{
    m_timerEnabled = true;
    m_hauteurdepart = from;
    m_hauteurcible = to;
    m_pas = step;
    m_buttonEnabled = false;
}

void SlideModel::Timer1_Timer()
{
    if (!m_timerEnabled) {
        return;
    }
    m_decalage += m_pas;
    m_height = m_hauteurdepart + m_decalage;
    if (m_height == m_hauteurcible) {
        m_timerEnabled = false;
        m_decalage = 0;
        m_buttonEnabled = true;
        m_arrowUp = m_hauteurcible != CollapsedHeight;
    }
}
