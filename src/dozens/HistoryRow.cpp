#include "dozens/HistoryRow.h"

void HistoryRow::push(const QString& value)
{
    for (int i = 0; i < Length - 1; ++i) {
        m_captions[static_cast<std::size_t>(i)] = m_captions[static_cast<std::size_t>(i + 1)];
    }
    m_captions.back() = value;
}

int HistoryRow::runLength() const
{
    int run = 1;
    for (int i = Length - 2; i >= 0; --i) {
        if (m_captions[static_cast<std::size_t>(i)] != newest()) {
            break;
        }
        ++run;
    }
    return run;
}
