// SPDX-License-Identifier: GPL-3.0-or-later
// Tambrel: the disclaimer first, then the board, with the games kept on this computer.
#include "board/BoardWindow.h"
#include "disclaimer/DisclaimerDialog.h"
#include "games/GameLibrary.h"
#include "platform/CommandLine.h"
#include "platform/DisplayPlatform.h"
#include "platform/FontConfiguration.h"
#include "platform/Pictures.h"

#include <QApplication>
#include <vector>

int main(int argc, char* argv[])
{
    QStringList arguments;
    QByteArrayList rawArguments;
    for (int i = 0; i < argc; ++i) {
        rawArguments.append(argv[i]);
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // The help and the version are answered before anything needs a display.
    CommandLine::Answer answer = CommandLine::read(arguments);
    if (answer.request == CommandLine::Request::Help || answer.request == CommandLine::Request::Version) {
        return CommandLine::print(answer);
    }

    // Read while Qt connects to the display, instead of at the disclaimer's first text.
    FontConfiguration fonts;

    // The platform goes in as an argument rather than QT_QPA_PLATFORM, which the programs the
    // help pages open with would inherit.
    std::vector<char*> qtArguments(argv, argv + argc);
    QByteArray platform = DisplayPlatform::choose(DisplayPlatform::Session::current(), rawArguments);
    // With no display at all Qt would abort before a refused command line is answered: it takes
    // its own options out on the offscreen platform instead, and the rest is refused below.
    const bool noDisplay = answer.request == CommandLine::Request::Refused
        && !DisplayPlatform::hasDisplay(DisplayPlatform::Session::current(), rawArguments);
    if (noDisplay) {
        platform = QByteArrayLiteral("offscreen");
    }
    char platformOption[] = "-platform";
    if (!platform.isEmpty() && argc > 0) {
        qtArguments.insert(qtArguments.begin() + 1, {platformOption, platform.data()});
    }
    int qtArgumentCount = static_cast<int>(qtArguments.size());
    qtArguments.push_back(nullptr);
    QApplication application(qtArgumentCount, qtArguments.data());
    fonts.waitUntilRead();

    // What was refused may have been Qt's own options, which Qt has now taken out.
    if (answer.request == CommandLine::Request::Refused) {
        answer = CommandLine::read(QCoreApplication::arguments());
        if (answer.request != CommandLine::Request::Start) {
            return CommandLine::print(answer);
        }
        if (noDisplay) {
            return CommandLine::print(CommandLine::noDisplay());
        }
    }
    Desktop::setUp(application);

    {
        DisclaimerDialog disclaimer;
        if (disclaimer.exec() != QDialog::Accepted) {
            // Not accepted: the program ends here, before any board is shown.
            return 0;
        }
    }

    // Outlives the board, which ends the game when it closes.
    GameLibrary games;
    BoardWindow board;
    board.keepGamesIn(games);
    board.show();
    // A game the last run left unfinished (killed, crashed, power lost) is offered back.
    board.offerInterruptedGame();
    return QApplication::exec();
}
