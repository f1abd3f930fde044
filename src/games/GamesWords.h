// SPDX-License-Identifier: GPL-3.0-or-later
// What the kept games report, in the player's words: why a game is not saved, cannot be taken
// up again, deleted or exported, what was left out of its file, and the words of the lists.
#pragma once

#include "games/DiskFolder.h"
#include "games/DrawImport.h"
#include "games/GameArchive.h"
#include "games/NumberList.h"

#include <QDateTime>
#include <QString>

namespace GamesWords {

// The end of a sentence: "le disque est plein", "le dossier /home/… ne peut pas être écrit".
QString diskFailure(const DiskFailure& failure);

// "Cette partie n'est pas enregistrée : le disque est plein.\n\nLa partie continue, …"
QString notSaved(const DiskFailure& failure);
// "La partie n'a pas pu être exportée : le disque est plein."
QString exportFailed(const DiskFailure& failure);

// Why a kept game was refused, the end of a sentence: "le fichier de cette partie n'existe plus".
QString refusal(const GameArchive::Outcome& outcome);
// "La partie n'a pas pu être reprise : cette partie est ouverte dans un autre Tambrel."
QString notResumed(const GameArchive::Outcome& outcome);
// "La partie n'a pas pu être supprimée : le fichier de cette partie n'existe plus."
QString notDeleted(const GameArchive::Outcome& outcome);
// What was left out of the file of a game taken up again, or an empty text.
QString leftOut(const GameArchive::Outcome& outcome);

// "1 242 616": a count grouped by thousands as the language writes them (no-break spaces in
// French, "1,242,616" in English).
QString count(qint64 value);
// "1 numéro", "42 numéros", "1 242 616 numéros", "aucun numéro".
QString drawCount(qint64 number);
// "06/12/2026 à 20:15", "06/12/2026 at 20:15".
QString dateAndTime(const QDateTime& when);
// "Reprendre la partie interrompue ?\n\n42 numéros, commencée le 06/12/2026 à 20:15."
QString resumeQuestion(const GameSummary& game);
// Of the tables one run left unfinished together; of one game, the question above.
QString resumeQuestion(const QVector<GameSummary>& tables);

// « 37 » n'est pas un numéro de 0 à 36 (5e position)
QString notANumber(const NumberList::Mistake& mistake);
// ligne 1, colonne 3 : « 37 » n'est pas un numéro de 0 à 36
QString notANumberAt(const NumberList::Mistake& mistake);

// "Ce fichier n'a pas pu être importé : il ne contient aucun numéro.\n\nRien n'a changé."
QString notImported(DrawImport::Reading::Status status);
// "Cette partie compte 2 000 000 numéros, le plus grand nombre …"
QString gameFull();

} // namespace GamesWords
