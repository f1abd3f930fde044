// SPDX-License-Identifier: GPL-3.0-or-later
// The kept games' failures and lists in the player's words.
#include "games/GamesWords.h"

#include "games/GamesTexts.h"

#include <QDir>
#include <QFileInfo>

namespace GamesWords {

namespace {

// A longer word of a list is shown cut, with an ellipsis.
constexpr int WordShown = 20;

} // namespace

QString diskFailure(const DiskFailure& failure)
{
    using Kind = DiskFailure::Kind;
    const QString shown = QDir::toNativeSeparators(failure.path);
    switch (failure.kind) {
    case Kind::DiskFull:
        return GamesTexts::DiskFull;
    case Kind::QuotaReached:
        return GamesTexts::QuotaReached;
    case Kind::FolderNotWritable:
        return GamesTexts::FolderNotWritable.arg(shown);
    case Kind::FolderReadOnly:
        return GamesTexts::FolderReadOnly.arg(shown);
    case Kind::FolderNotCreated:
        return GamesTexts::FolderNotCreated.arg(shown);
    case Kind::NameTooLong:
        return GamesTexts::NameTooLong.arg(shown);
    case Kind::DiskError:
        return GamesTexts::DiskError;
    case Kind::FileNotReplaced:
        return GamesTexts::FileNotReplaced.arg(QFileInfo(failure.path).fileName());
    case Kind::Unexpected:
        break;
    }
    return GamesTexts::OtherError.arg(failure.errorNumber);
}

QString refusal(const GameArchive::Outcome& outcome)
{
    using Status = GameArchive::Outcome::Status;
    switch (outcome.status) {
    case Status::WrittenByNewerVersion:
        return GamesTexts::WrittenByNewerVersion;
    case Status::HeldElsewhere:
        return GamesTexts::HeldElsewhere;
    case Status::Gone:
        return GamesTexts::Gone;
    case Status::Unreadable:
        return GamesTexts::Unreadable;
    case Status::TooLarge:
        return outcome.drawsBeyond == 0
            ? GamesTexts::FileTooLarge
            : GamesTexts::DrawsBeyond.arg(drawCount(outcome.drawsBeyond), count(GameRecord::MaxDraws));
    case Status::DiskRefused:
        return diskFailure(outcome.failure);
    case Status::Done:
        break;
    }
    return {};
}

QString notSaved(const DiskFailure& failure)
{
    return GamesTexts::NotSaved.arg(diskFailure(failure));
}

QString exportFailed(const DiskFailure& failure)
{
    return GamesTexts::ExportFailed.arg(diskFailure(failure));
}

QString notResumed(const GameArchive::Outcome& outcome)
{
    return GamesTexts::NotResumed.arg(refusal(outcome));
}

QString notDeleted(const GameArchive::Outcome& outcome)
{
    return GamesTexts::NotDeleted.arg(refusal(outcome));
}

QString leftOut(const GameArchive::Outcome& outcome)
{
    const int lines = outcome.linesLeftOut;
    return lines == 0 ? QString()
        : lines == 1  ? GamesTexts::OneLineLeftOut
                      : GamesTexts::LinesLeftOut.arg(count(lines));
}

QString count(qint64 value)
{
    // Grouped by thousands with a no-break space, as French writes them: "1 242 616".
    QString digits = QString::number(qAbs(value));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, QChar(0x00A0));
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString drawCount(qint64 number)
{
    return number == 0 ? GamesTexts::NoDraw
        : number == 1  ? GamesTexts::OneDraw
                       : GamesTexts::ManyDraws.arg(count(number));
}

QString dateAndTime(const QDateTime& when)
{
    return when.toString(GamesTexts::DateAndTime);
}

QString resumeQuestion(const GameSummary& game)
{
    return GamesTexts::ResumeQuestion.arg(drawCount(game.drawCount), dateAndTime(game.started));
}

QString resumeQuestion(const QVector<GameSummary>& tables)
{
    if (tables.size() == 1) {
        return resumeQuestion(tables.first());
    }
    QStringList lines;
    for (const GameSummary& game : tables) {
        lines.append(GamesTexts::ResumeTableLine.arg(
            game.tableName, drawCount(game.drawCount), dateAndTime(game.started)));
    }
    return GamesTexts::ResumeTablesQuestion.arg(tables.size()).arg(lines.join(QLatin1Char('\n')));
}

namespace {

QString shownWord(QString word)
{
    if (word.size() > WordShown) {
        // Never between the two halves of a character beyond the first 65,536.
        const int kept = word.at(WordShown - 1).isHighSurrogate() ? WordShown - 1 : WordShown;
        word = word.left(kept) + GamesTexts::WordCut;
    }
    return word;
}

} // namespace

QString notANumber(const NumberList::Mistake& mistake)
{
    const QString place
        = mistake.place == 1 ? GamesTexts::FirstPlace : GamesTexts::NthPlace.arg(mistake.place);
    return GamesTexts::NotANumber.arg(shownWord(mistake.word), place);
}

QString notANumberAt(const NumberList::Mistake& mistake)
{
    return GamesTexts::NotANumberAt.arg(
        count(mistake.line), QString::number(mistake.column), shownWord(mistake.word));
}

QString notImported(DrawImport::Reading::Status status)
{
    using Status = DrawImport::Reading::Status;
    QString why = GamesTexts::FileUnreadable;
    switch (status) {
    case Status::Empty:
        why = GamesTexts::FileEmpty;
        break;
    case Status::NotText:
        why = GamesTexts::FileNotText;
        break;
    case Status::NewerGame:
        why = GamesTexts::FileOfNewerVersion;
        break;
    case Status::CannotOpen:
    case Status::Read:
    case Status::Stopped:
        break;
    }
    return GamesTexts::NotImported.arg(why);
}

QString gameFull()
{
    return GamesTexts::GameFull.arg(drawCount(GameRecord::MaxDraws));
}

} // namespace GamesWords
