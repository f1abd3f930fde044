// SPDX-License-Identifier: GPL-3.0-or-later
// Texts rewritten after every entry without moving anything around them. A label's new text
// normally makes its whole window lay itself out again, word-wrapped labels measured anew.
#pragma once

#include <QLabel>
#include <vector>

// A word-wrapped label sized for the longest text it may show rather than for the text it
// shows.
class SteadyLabel : public QLabel
{
    Q_OBJECT

public:
    // `longest` is the widest text the label will hold; its size follows that text.
    SteadyLabel(const QString& longest, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

private:
    QString m_longest;
    mutable int m_cachedWidth = -1;
    mutable int m_cachedHeight = 0;
};

// Steady labels one under the other, placed by hand: a label that changes asks this column
// to place them again, and nothing above it.
class SteadyColumn : public QWidget
{
    Q_OBJECT

public:
    explicit SteadyColumn(QWidget* parent);

    // The label becomes the column's child, under the ones before it.
    void add(SteadyLabel* label);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();

    std::vector<SteadyLabel*> m_labels;
    int m_spacing;
};
