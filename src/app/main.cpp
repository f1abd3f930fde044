// Tambrel: the disclaimer first, then the board, with the games kept on this computer.
#include "board/Form1.h"
#include "disclaimer/frmSplash.h"
#include "games/GameLibrary.h"
#include "platform/Pictures.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    Desktop::setUp(application);

    {
        frmSplash disclaimer;
        if (disclaimer.exec() != QDialog::Accepted) {
            // Not accepted: the program ends here, before any board is shown.
            return 0;
        }
    }

    // Outlives the board, which ends the game when it closes.
    GameLibrary games;
    Form1 board;
    board.keepGamesIn(games);
    board.show();
    // A game the last run left unfinished (killed, crashed, power lost) is offered back.
    board.offerInterruptedGame();
    return QApplication::exec();
}
