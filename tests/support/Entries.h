// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a number on the board as a player who answers Yes to its confirmation.
#pragma once

#include "board/Form1.h"
#include "platform/MessageBox.h"

inline bool enterConfirmed(Form1& board, int number)
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    return board.Text1_Click(number);
}
