#include "dozens/HistoryRow.h"

#include <algorithm>

void HistoryRow::push(const QString& value)
{
    std::move(m_captions.begin() + 1, m_captions.end(), m_captions.begin());
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
