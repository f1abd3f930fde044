// Tambrel: the disclaimer first, then the board.
#include "board/Form1.h"
#include "disclaimer/frmSplash.h"
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

    Form1 board;
    board.show();
    return QApplication::exec();
}
