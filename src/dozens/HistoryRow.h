// The last twenty dozens, or the last twenty columns, as their squares show them: "1", "2",
// "3", or empty for a zero and for squares never filled. Oldest first, newest last.
#pragma once

#include <QString>
#include <array>

class HistoryRow
{
public:
    static constexpr int Length = 20;

    // The newest value goes in at the right end; the oldest falls off the left.
    void push(const QString& value);

    // How many equal captions stand at the right end, the newest included (1 to 20). The
    // captions are compared as texts, so an empty one counts like any other value.
    int runLength() const;

    const QString& newest() const { return m_captions.back(); }
    const QString& caption(int index) const { return m_captions[static_cast<std::size_t>(index)]; }

private:
    std::array<QString, Length> m_captions;
};
