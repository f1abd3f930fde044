#include "trends/SlideModel.h"

#include "trends/TrendTexts.h"

SlideModel::SlideModel()
    : m_picture(TrendTexts::DownArrow)
{ }

void SlideModel::Command1_Click()
{
    if (!m_buttonEnabled) {
        return;
    }
    if (m_tag == QLatin1String("0")) {
        start(CollapsedHeight, OpenHeight, Step, QStringLiteral("1"));
    } else if (m_tag == QLatin1String("1")) {
        start(OpenHeight, CollapsedHeight, -Step, QStringLiteral("0"));
    }
}

void SlideModel::start(int from, int to, int step, const QString& nextTag)
{
    m_timerEnabled = true;
    m_hauteurdepart = from;
    m_hauteurcible = to;
    m_pas = step;
    m_tag = nextTag;
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
        // Collapsed: the arrow points down to open it; open: up to close it.
        m_picture = m_hauteurcible == CollapsedHeight ? TrendTexts::DownArrow : TrendTexts::UpArrow;
    }
}
