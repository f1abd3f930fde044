// SPDX-License-Identifier: GPL-3.0-or-later
// The kept games' failures and lists in the player's words.
#include "games/GamesWords.h"

#include "games/GamesTexts.h"
#include "platform/Language.h"

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
        return GamesTexts::diskFull();
    case Kind::QuotaReached:
        return GamesTexts::quotaReached();
    case Kind::FolderNotWritable:
        return GamesTexts::folderNotWritable().arg(shown);
    case Kind::FolderReadOnly:
        return GamesTexts::folderReadOnly().arg(shown);
    case Kind::FolderNotCreated:
        return GamesTexts::folderNotCreated().arg(shown);
    case Kind::NameTooLong:
        return GamesTexts::nameTooLong().arg(shown);
    case Kind::DiskError:
        return GamesTexts::diskError();
    case Kind::FileNotReplaced:
        return GamesTexts::fileNotReplaced().arg(QFileInfo(failure.path).fileName());
    case Kind::Unexpected:
        break;
    }
    return GamesTexts::otherError().arg(failure.errorNumber);
}

QString refusal(const GameArchive::Outcome& outcome)
{
    using Status = GameArchive::Outcome::Status;
    switch (outcome.status) {
    case Status::WrittenByNewerVersion:
        return GamesTexts::writtenByNewerVersion();
    case Status::HeldElsewhere:
        return GamesTexts::heldElsewhere();
    case Status::Gone:
        return GamesTexts::gone();
    case Status::Unreadable:
        return GamesTexts::unreadable();
    case Status::TooLarge:
        return outcome.drawsBeyond == 0
            ? GamesTexts::fileTooLarge()
            : GamesTexts::drawsBeyond().arg(drawCount(outcome.drawsBeyond), count(GameRecord::MaxDraws));
    case Status::DiskRefused:
        return diskFailure(outcome.failure);
    case Status::Done:
        break;
    }
    return {};
}

QString notSaved(const DiskFailure& failure)
{
    return GamesTexts::notSaved().arg(diskFailure(failure));
}

QString exportFailed(const DiskFailure& failure)
{
    return GamesTexts::exportFailed().arg(diskFailure(failure));
}

QString notResumed(const GameArchive::Outcome& outcome)
{
    return GamesTexts::notResumed().arg(refusal(outcome));
}

QString notDeleted(const GameArchive::Outcome& outcome)
{
    return GamesTexts::notDeleted().arg(refusal(outcome));
}

QString leftOut(const GameArchive::Outcome& outcome)
{
    const int lines = outcome.linesLeftOut;
    return lines == 0 ? QString() : GamesTexts::linesLeftOut(lines).arg(count(lines));
}

QString count(qint64 value)
{
    // Grouped by thousands as the language writes them: "1 242 616" with no-break spaces in
    // French (not the narrow ones Qt's French locale takes), "1,242,616" in English.
    const QString separator = Language::current() == Language::Choice::French
        ? QString(QChar(0x00A0))
        : Language::locale().groupSeparator();
    QString digits = QString::number(qAbs(value));
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3) {
        digits.insert(at, separator);
    }
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

QString drawCount(qint64 number)
{
    return number == 0 ? GamesTexts::noDraw() : GamesTexts::draws(number).arg(count(number));
}

QString dateAndTime(const QDateTime& when)
{
    return Language::locale().toString(when, GamesTexts::dateAndTimeFormat());
}

QString resumeQuestion(const GameSummary& game)
{
    return GamesTexts::resumeQuestion().arg(drawCount(game.drawCount), dateAndTime(game.started));
}

QString resumeQuestion(const QVector<GameSummary>& tables)
{
    if (tables.size() == 1) {
        return resumeQuestion(tables.first());
    }
    QStringList lines;
    for (const GameSummary& game : tables) {
        lines.append(GamesTexts::resumeTableLine().arg(
            game.tableName, drawCount(game.drawCount), dateAndTime(game.started)));
    }
    return GamesTexts::resumeTablesQuestion(static_cast<int>(tables.size()))
        .arg(lines.join(QLatin1Char('\n')));
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
    // The first place has a word of its own in French (1re, then 2e, 3e…): one sentence each.
    const QString word = shownWord(mistake.word);
    return mistake.place == 1 ? GamesTexts::notANumberFirst().arg(word)
                              : GamesTexts::notANumberAtPlace().arg(word, QString::number(mistake.place));
}

QString notANumberAt(const NumberList::Mistake& mistake)
{
    return GamesTexts::notANumberAt().arg(
        count(mistake.line), QString::number(mistake.column), shownWord(mistake.word));
}

QString notImported(DrawImport::Reading::Status status)
{
    using Status = DrawImport::Reading::Status;
    QString why = GamesTexts::fileUnreadable();
    switch (status) {
    case Status::Empty:
        why = GamesTexts::fileEmpty();
        break;
    case Status::NotText:
        why = GamesTexts::fileNotText();
        break;
    case Status::NewerGame:
        why = GamesTexts::fileOfNewerVersion();
        break;
    case Status::CannotOpen:
    case Status::Read:
    case Status::Stopped:
        break;
    }
    return GamesTexts::notImported().arg(why);
}

QString gameFull()
{
    return GamesTexts::gameFull().arg(drawCount(GameRecord::MaxDraws));
}

} // namespace GamesWords
