// SPDX-License-Identifier: GPL-3.0-or-later
// A trend window (colour, passe/manque or pair/impair): the last 20 marks of its pair, the suggestion cell,
// the advice caption, and the four counters it slides open on.
#pragma once

#include "platform/ColourCode.h"
#include "trends/EvenChance.h"
#include "trends/SlideModel.h"

#include <QWidget>
#include <array>

class EvenChanceTracker;
class QLabel;
class QPushButton;
class QTimer;

class TrendWindow : public QWidget
{
    Q_OBJECT

public:
    TrendWindow(EvenChance pair, QWidget* parent = nullptr);

    EvenChance pair() const { return m_pair; }
    const SlideModel& slide() const { return m_slide; }

    // Shows what the pair's tracker now holds.
    void refresh(const EvenChanceTracker& tracker);

public slots:
    void toggleSlide(); // slide open or closed
    void openHelp();
    void slideTick(); // one step of the slide

private:
    void buildControls();
    QLabel* addLabel(const QString& name, int index, int left, int top, int width, int height,
        const QString& caption, ColourCode back);
    void showSlide();

    EvenChance m_pair;
    SlideModel m_slide;
    std::array<QWidget*, 21> m_cells{};
    QLabel* m_adviceLabel = nullptr;
    QLabel* m_alternationCountLabel = nullptr; // hidden
    std::array<QLabel*, 4> m_countLabels{};
    std::array<QRect, 4> m_countPlaces{}; // as designed
    std::array<QRect, 4> m_countRooms{}; // where a long count may grow
    std::array<QLabel*, 4> m_warningBoxes{};
    QPushButton* m_slideButton = nullptr;
    QPushButton* m_helpButton = nullptr;
    QTimer* m_slideTimer = nullptr;
    QString m_shownPicture;
};
