// SPDX-License-Identifier: GPL-3.0-or-later
// What a list of numbers was read as, under the list: the order the player says it is in,
// how many numbers it holds and the mistakes found in it. Shared by the window where a list
// is typed and the window that shows a file before it is imported.
#pragma once

#include "games/NumberList.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QRadioButton;

class ReadingPreview : public QWidget
{
    Q_OBJECT

public:
    // A list adds numbers to the game being played; a file's numbers become a new game.
    enum class Source { TypedList, File };

    ReadingPreview(Source source, QWidget* parent);

    NumberList::Order order() const;
    // A file of Tambrel's own says its order: the choice is not the player's.
    void setOrderKnown(bool known);

    // Shows the reading; `roomLeft`: how many numbers the game can still take.
    void showReading(const NumberList::Reading& reading, qint64 roomLeft);

signals:
    void orderChanged();

private:
    QString countLine(const NumberList::Reading& reading, qint64 roomLeft) const;

    Source m_source;
    QGroupBox* m_order = nullptr;
    QRadioButton* m_oldestFirst = nullptr;
    QRadioButton* m_newestFirst = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_mistakes = nullptr;
};
