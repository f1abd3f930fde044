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
    QString notice = lines == 0 ? QString()
        : lines == 1            ? GamesTexts::OneLineLeftOut
                                : GamesTexts::LinesLeftOut.arg(lines);
    if (outcome.tooLarge) {
        notice += (notice.isEmpty() ? QString() : QStringLiteral("\n")) + GamesTexts::FileTooLarge;
    }
    return notice;
}

QString drawCount(int count)
{
    return count == 0 ? GamesTexts::NoDraw
        : count == 1  ? GamesTexts::OneDraw
                      : GamesTexts::ManyDraws.arg(count);
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

QString notANumber(const NumberList::Mistake& mistake)
{
    QString word = mistake.word;
    if (word.size() > WordShown) {
        // Never between the two halves of a character beyond the first 65,536.
        const int kept = word.at(WordShown - 1).isHighSurrogate() ? WordShown - 1 : WordShown;
        word = word.left(kept) + GamesTexts::WordCut;
    }
    const QString place
        = mistake.place == 1 ? GamesTexts::FirstPlace : GamesTexts::NthPlace.arg(mistake.place);
    return GamesTexts::NotANumber.arg(word, place);
}

} // namespace GamesWords
