// SPDX-License-Identifier: GPL-3.0-or-later
#include "stakes/FrMise.h"

#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/NumberText.h"
#include "platform/Pictures.h"
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

FrMise::FrMise(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_model(NumberText::userLocale())
{
    setObjectName(QStringLiteral("FrMise"));
    setWindowTitle(StakeTexts::Caption);
    setAttribute(Qt::WA_DeleteOnClose, true);
    Colours::setBackColour(this, Colours::ButtonFace);
    setFixedSize(Twips::toPixels(ClientWidth), Twips::toPixels(ClientHeight));

    buildControls();
    Form_Load();
}

void FrMise::buildControls()
{
    m_label1 = makeBoldLabel(this, QStringLiteral("Label1"), StakeTexts::Prompt, 240, 240, 3495, 255);

    m_text1 = new QLineEdit(m_model.startingStake(), this);
    nameControl(m_text1, QStringLiteral("Text1"));
    Twips::place(m_text1, 3960, 240, 495, 285);
    connect(m_text1, &QLineEdit::textChanged, this, &FrMise::Text1_Change);

    m_command1 = new QPushButton(StakeTexts::Calculate, this);
    nameControl(m_command1, QStringLiteral("Command1"));
    Twips::place(m_command1, 4680, 240, 975, 255);
    m_command1->setAutoDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &FrMise::Command1_Click);

    for (int i = 0; i < StakeModel::StepCount; ++i) {
        auto* result = new QLineEdit(m_model.result(i), this);
        nameControl(result, QStringLiteral("Text2"), i);
        Twips::place(result, 120 + 840 * i, 840, 735, 285);
        connect(result, &QLineEdit::textEdited, this,
            [this, i](const QString& text) { m_model.editResult(i, text); });
        m_text2[static_cast<std::size_t>(i)] = result;

        auto* option = new QRadioButton(this);
        nameControl(option, QStringLiteral("Option1"), i);
        Twips::place(option, 360 + 840 * i, 1200, 255, 255);
        connect(option, &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
        m_option1[static_cast<std::size_t>(i)] = option;
    }

    m_label2 = makeBoldLabel(this, QStringLiteral("Label2"), StakeTexts::Warning, 360, 1560, 5175, 375);

    m_command2 = new QPushButton(this);
    nameControl(m_command2, QStringLiteral("Command2"));
    Twips::place(m_command2, 5640, 1560, 255, 375);
    m_command2->setIcon(Pictures::helpBulb());
    m_command2->setIconSize(m_command2->size() - QSize(4, 4));
    m_command2->setToolTip(StakeTexts::HelpTip);
    m_command2->setAccessibleName(StakeTexts::HelpTip);
    m_command2->setAutoDefault(false);
    connect(m_command2, &QPushButton::clicked, this, &FrMise::Command2_Click);
}

void FrMise::Form_Load()
{
    refresh();
}

void FrMise::Text1_Change(const QString& text)
{
    m_model.changeStartingStake(text);
    refresh();
}

void FrMise::Command1_Click()
{
    m_model.calculate();
    refresh();
}

void FrMise::Command2_Click()
{
    HelpPages::open(StakeTexts::HelpPage);
}

void FrMise::Option1_Click(int index)
{
    m_model.selectStep(index);
    refresh();
}

void FrMise::refresh()
{
    for (int i = 0; i < StakeModel::StepCount; ++i) {
        QLineEdit* result = m_text2[static_cast<std::size_t>(i)];
        if (result->text() != m_model.result(i)) {
            result->setText(m_model.result(i));
            result->setCursorPosition(0); // a long result shows its first digits
        }
        // The boxes are narrow: a long result ("1,5E+308", "Trop grand") reads whole here.
        result->setToolTip(m_model.result(i));
        // Each box keeps the multiple of the starting stake it stands for.
        result->setProperty("tag", QString::number(StakeModel::Multipliers[static_cast<std::size_t>(i)]));
        m_option1[static_cast<std::size_t>(i)]->setChecked(m_model.selectedStep() == i);
    }
}
