// SPDX-License-Identifier: GPL-3.0-or-later
// Entering a number on the board as a player who answers Yes to its confirmation.
#pragma once

#include "board/BoardWindow.h"
#include "platform/MessageBox.h"

inline bool enterConfirmed(BoardWindow& board, int number)
{
    MessageBox::setNextAnswer(MessageBox::Yes);
    return board.confirmAndEnter(number);
}
