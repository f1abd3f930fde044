// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/CsvExport.h"

#include "games/DiskFolder.h"
#include "games/GamesTexts.h"
#include "roulette/Roulette.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace CsvExport {

namespace {

const QString Separator = QStringLiteral(";");
const QString RowEnd = QStringLiteral("\r\n");

QString colourWord(int number)
{
    switch (Roulette::colourOf(number)) {
    case Roulette::NumberColour::Red:
        return GamesTexts::Rouge;
    case Roulette::NumberColour::Black:
        return GamesTexts::Noir;
    case Roulette::NumberColour::Green:
        break;
    }
    return GamesTexts::Vert;
}

QString parityWord(int number)
{
    switch (Roulette::parityOf(number)) {
    case Roulette::Parity::Pair:
        return GamesTexts::Pair;
    case Roulette::Parity::Impair:
        return GamesTexts::Impair;
    case Roulette::Parity::None:
        break;
    }
    return {};
}

QString halfWord(int number)
{
    switch (Roulette::halfOf(number)) {
    case Roulette::Half::Manque:
        return GamesTexts::Manque;
    case Roulette::Half::Passe:
        return GamesTexts::Passe;
    case Roulette::Half::None:
        break;
    }
    return {};
}

// 1, 2 or 3; nothing for the zero.
template<typename Third>
QString thirdWord(Third third)
{
    const int value = static_cast<int>(third);
    return value == 0 ? QString() : QString::number(value);
}

} // namespace

QByteArray table(const GameRecord& game)
{
    QString text = GamesTexts::CsvHeader + RowEnd;
    int rank = 0;
    for (const Draw& draw : game.draws) {
        const int number = draw.number;
        const QStringList cells{QString::number(++rank), QString::number(number), colourWord(number),
            parityWord(number), halfWord(number), thirdWord(Roulette::dozenOf(number)),
            thirdWord(Roulette::columnOf(number)), draw.when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"))};
        text += cells.join(Separator) + RowEnd;
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QString suggestedFileName(const QDateTime& started)
{
    const QDateTime when = started.isValid() ? started : QDateTime::currentDateTime();
    return GamesTexts::ExportFileName.arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
}

std::optional<DiskFailure> write(const GameRecord& game, const QString& path)
{
    const QFileInfo target(path);
    const auto failed = [&target](int error) {
        if (error == EISDIR || (error == EACCES && target.exists() && !target.isFile())) {
            return DiskFailure{DiskFailure::Kind::FileNotReplaced, error, target.filePath()};
        }
        return DiskFolder::failureOf(error, target.absolutePath());
    };
    if (target.isDir()) {
        return failed(EISDIR);
    }

    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return failed(errno != 0 ? errno : EACCES);
    }
    const QByteArray bytes = table(game);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno != 0 ? errno : EIO;
        file.cancelWriting();
        return failed(error);
    }
    errno = 0;
    if (!file.commit()) {
        return failed(errno != 0 ? errno : EIO);
    }
    return std::nullopt;
}

} // namespace CsvExport
