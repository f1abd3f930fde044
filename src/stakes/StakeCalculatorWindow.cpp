// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/StakeCalculatorWindow.h"

#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/NumberText.h"
#include "platform/Twips.h"
#include "platform/Widgets.h"
#include "stakes/StakeTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

constexpr int ClientWidth = 5985;
constexpr int ClientHeight = 1980;

QLabel* makeBoldLabel(
    QWidget* parent, const QString& name, const QString& text, int left, int top, int width, int height)
{
    auto* label = new QLabel(text, parent);
    nameControl(label, name);
    Twips::place(label, left, top, width, height);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

} // namespace

StakeCalculatorWindow::StakeCalculatorWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_model(NumberText::userLocale())
{
    setObjectName(QStringLiteral("stakeCalculatorWindow"));
    setWindowTitle(StakeTexts::caption());
    setAttribute(Qt::WA_DeleteOnClose, true);
    Colours::setBackColour(this, Colours::ButtonFace);
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    buildControls();
    closeOnEscape(this);
    refresh();
}

void StakeCalculatorWindow::buildControls()
{
    m_promptLabel
        = makeBoldLabel(this, QStringLiteral("promptLabel"), StakeTexts::prompt(), 240, 240, 3495, 255);

    m_stakeBox = new QLineEdit(m_model.startingStake(), this);
    nameControl(m_stakeBox, QStringLiteral("stakeBox"));
    Twips::place(m_stakeBox, 3960, 240, 495, 285);
    m_stakeBox->setAccessibleName(StakeTexts::stakeName());
    connect(m_stakeBox, &QLineEdit::textChanged, this, &StakeCalculatorWindow::changeStartingStake);

    m_calculateButton = new QPushButton(StakeTexts::calculate(), this);
    nameControl(m_calculateButton, QStringLiteral("calculateButton"));
    Twips::place(m_calculateButton, 4680, 240, 975, 255);
    m_calculateButton->setAutoDefault(false);
    connect(m_calculateButton, &QPushButton::clicked, this, &StakeCalculatorWindow::calculate);

    for (int i = 0; i < StakeModel::StepCount; ++i) {
        auto* result = new QLineEdit(m_model.result(i), this);
        nameControl(result, QStringLiteral("stepBox"), i);
        Twips::place(result, 120 + 840 * i, 840, 735, 285);
        result->setAccessibleName(StakeTexts::stepName().arg(i + 1));
        connect(result, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { m_model.editResult(i, text); });
        m_stepBoxes[static_cast<std::size_t>(i)] = result;

        auto* option = new QRadioButton(this);
        nameControl(option, QStringLiteral("stepChoice"), i);
        Twips::place(option, 360 + 840 * i, 1200, 255, 255);
        option->setAccessibleName(StakeTexts::choiceName().arg(i + 1));
        connect(option, &QRadioButton::clicked, this, [this, i] { selectStep(i); });
        m_stepChoices[static_cast<std::size_t>(i)] = option;
    }

    m_warningLabel
        = makeBoldLabel(this, QStringLiteral("warningLabel"), StakeTexts::warning(), 360, 1560, 5175, 375);

    m_helpButton = makeHelpButton(this, 5640, 1560, 255, 375, StakeTexts::helpTip());
    connect(m_helpButton, &QPushButton::clicked, this, &StakeCalculatorWindow::openHelp);

    // Enter in the stake box calculates; Tab goes from the stake to the results, then to the
    // marks under them.
    connect(m_stakeBox, &QLineEdit::returnPressed, this, &StakeCalculatorWindow::calculate);
    QList<QWidget*> order{m_stakeBox, m_calculateButton};
    order.append(QList<QWidget*>(m_stepBoxes.begin(), m_stepBoxes.end()));
    order.append(QList<QWidget*>(m_stepChoices.begin(), m_stepChoices.end()));
    order.append(m_helpButton);
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void StakeCalculatorWindow::changeStartingStake(const QString& text)
{
    m_model.changeStartingStake(text);
    refresh();
}

void StakeCalculatorWindow::calculate()
{
    m_model.calculate();
    refresh();
}

void StakeCalculatorWindow::openHelp()
{
    HelpPages::open(StakeTexts::HelpPage);
}

void StakeCalculatorWindow::selectStep(int index)
{
    m_model.selectStep(index);
    refresh();
}

void StakeCalculatorWindow::refresh()
{
    for (int i = 0; i < StakeModel::StepCount; ++i) {
        QLineEdit* result = m_stepBoxes[static_cast<std::size_t>(i)];
        if (result->text() != m_model.result(i)) {
            result->setText(m_model.result(i));
            result->setCursorPosition(0); // a long result shows its first digits
        }
        // The boxes are narrow: a long result ("1,5E+308", "Trop grand") reads whole here.
        result->setToolTip(m_model.result(i));
        // Each box keeps the multiple of the starting stake it stands for.
        result->setProperty("tag", QString::number(StakeModel::Multipliers[static_cast<std::size_t>(i)]));
        m_stepChoices[static_cast<std::size_t>(i)]->setChecked(m_model.selectedStep() == i);
    }
}
