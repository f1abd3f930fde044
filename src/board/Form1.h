// SPDX-License-Identifier: GPL-3.0-or-later
// The board window: 37 number cells to click, the draw counter, the strip of the last
// draws, the level of the least-drawn numbers and the advice row. It mirrors the table.
#pragma once

#include "board/Table.h"
#include "speech/SpeechQueue.h"

#include <QPointer>
#include <QWidget>
#include <array>

class Form5;
class Form7;
class FrMise;
class QLabel;
class QPushButton;
class QTimer;
class TextBox;
class TrendWindow;
class SpeechIndicator;

class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

    static constexpr int DozenColumnBoxCount = 6; // Text2 to Text7

    const Table& table() const { return m_table; }

    TextBox* numberCell(int number) const { return m_text1[static_cast<std::size_t>(number)]; }

    // Form2 (colour), Form3 (passe/manque), Form4 (pair/impair).
    TrendWindow* trendWindow(EvenChance pair) const { return m_trendWindows[static_cast<std::size_t>(pair)]; }

    // Replaces the desktop's speech engine (tests); takes effect before the first phrase.
    void setSpeechEngineFactory(SpeechQueue::EngineFactory factory);
    const SpeechQueue& speechQueue() const { return *m_speech; }
    // The dozen and column window; none before the first entry.
    Form5* form5() const { return m_form5; }
    // The simulator and the stake calculator while they are open; null once closed.
    Form7* simulator() const;
    FrMise* stakeCalculator() const;

public slots:
    // Asks the player to confirm the number of the clicked cell and, on Yes, registers it.
    // Returns true when the draw was registered.
    bool Text1_Click(int index);

    void Command1_Click(); // help
    void Command2_Click(); // "SIMULER": the draw simulator
    void ComMise_Click(); // "M": the stake calculator

    // The speech indicator's toggle: spoken advice on or off.
    void basculeParole();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setTabOrder();
    void refresh();
    void restartBlinkTimers();
    void blinkTimerTick(int timer);
    void placeSpeechIndicator();
    void describeForScreenReaders();
    void placeBesideBoard(QWidget* window, int below);
    void showForm5();
    void takeBackFocus();

    Table m_table;

    std::array<TextBox*, Roulette::NumberCount> m_text1{};
    std::array<TextBox*, DozenColumnBoxCount> m_dozenColumnBoxes{}; // Text2..Text7
    std::array<QLabel*, NumberAdvice::MaxCandidates> m_label1{};
    std::array<QLabel*, Table::StripLength> m_label5{};
    QLabel* m_label2 = nullptr;
    QLabel* m_label3 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label7 = nullptr;
    QLabel* m_label8 = nullptr;
    QPushButton* m_command1 = nullptr;
    QPushButton* m_command2 = nullptr;
    QPushButton* m_comMise = nullptr;
    std::array<QTimer*, BlinkTimerCount> m_blinkTimers{}; // Timer1..Timer6
    std::array<TrendWindow*, EvenChanceCount> m_trendWindows{};
    SpeechIndicator* m_directSS1 = nullptr;
    SpeechQueue* m_speech = nullptr;
    Form5* m_form5 = nullptr;
    QPointer<Form7> m_form7;
    QPointer<FrMise> m_frMise;
};
