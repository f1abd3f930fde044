// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MessageBox.h"

#include <QMessageBox>
#include <QPushButton>

int MessageBox::s_nextAnswer = 0;
int MessageBox::s_openCount = 0;

namespace {

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0xF0) {
    case MessageBox::Critical:
        return QMessageBox::Critical;
    case MessageBox::Question:
        return QMessageBox::Question;
    case MessageBox::Exclamation:
        return QMessageBox::Warning;
    case MessageBox::Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

int MessageBox::show(QWidget* parent, const QString& prompt, int style, const QString& title)
{
    if (s_nextAnswer != 0) {
        const int answer = s_nextAnswer;
        s_nextAnswer = 0;
        return answer;
    }

    const bool yesNo = (style & 0x0F) == YesNo;
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::NoButton, parent);
    QPushButton* first = nullptr;
    QPushButton* second = nullptr;
    if (yesNo) {
        first = box.addButton(QMessageBox::Yes);
        second = box.addButton(QMessageBox::No);
        box.setEscapeButton(second);
    } else {
        first = box.addButton(QMessageBox::Ok);
        box.setEscapeButton(first);
    }
    box.setDefaultButton(((style & 0xF00) == DefaultButton2 && second) ? second : first);

    ++s_openCount;
    box.exec();
    --s_openCount;

    const QAbstractButton* clicked = box.clickedButton();
    if (yesNo) {
        return clicked == first ? Yes : No;
    }
    return Ok;
}

void MessageBox::setNextAnswer(int button)
{
    s_nextAnswer = button;
}

void MessageBox::clearNextAnswer()
{
    s_nextAnswer = 0;
}

bool MessageBox::isOpen()
{
    return s_openCount > 0;
}

int MessageBox::openCount()
{
    return s_openCount;
}
