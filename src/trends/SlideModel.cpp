// SPDX-License-Identifier: GPL-3.0-or-later
#include "trends/SlideModel.h"

void SlideModel::toggle()
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
    m_startHeight = from;
    m_targetHeight = to;
    m_step = step;
    m_buttonEnabled = false;
}

void SlideModel::tick()
{
    if (!m_timerEnabled) {
        return;
    }
    m_offset += m_step;
    m_height = m_startHeight + m_offset;
    if (m_height == m_targetHeight) {
        m_timerEnabled = false;
        m_offset = 0;
        m_buttonEnabled = true;
        m_arrowUp = m_targetHeight != CollapsedHeight;
    }
}
