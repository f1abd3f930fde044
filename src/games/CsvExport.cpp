// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/CsvExport.h"

#include "games/DiskFolder.h"
#include "roulette/Roulette.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>

namespace CsvExport {

namespace {

const QString Separator = QStringLiteral(";");
const QString RowEnd = QStringLiteral("\r\n");

// The table's French words, written the same whatever language the program speaks: a file
// exported on one desktop is read alike on any other, and by this program's import.
const QString Header
    = QStringLiteral("rang;numéro;couleur;pair/impair;manque/passe;douzaine;colonne;date et heure");
const QString Rouge = QStringLiteral("rouge");
const QString Noir = QStringLiteral("noir");
const QString Vert = QStringLiteral("vert");
const QString Pair = QStringLiteral("pair");
const QString Impair = QStringLiteral("impair");
const QString Manque = QStringLiteral("manque");
const QString Passe = QStringLiteral("passe");
const QString FileName = QStringLiteral("tambrel-%1.csv"); // 2026-12-06-2015

QString colourWord(int number)
{
    switch (Roulette::colourOf(number)) {
    case Roulette::NumberColour::Red:
        return Rouge;
    case Roulette::NumberColour::Black:
        return Noir;
    case Roulette::NumberColour::Green:
        break;
    }
    return Vert;
}

QString parityWord(int number)
{
    switch (Roulette::parityOf(number)) {
    case Roulette::Parity::Pair:
        return Pair;
    case Roulette::Parity::Impair:
        return Impair;
    case Roulette::Parity::None:
        break;
    }
    return {};
}

QString halfWord(int number)
{
    switch (Roulette::halfOf(number)) {
    case Roulette::Half::Manque:
        return Manque;
    case Roulette::Half::Passe:
        return Passe;
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
    QString text = Header + RowEnd;
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
    return FileName.arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmm")));
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
