// SPDX-License-Identifier: GPL-3.0-or-later
// What the games need of the disk beyond Qt: making a folder's entries survive a power cut,
// and saying in the player's words why writing failed.
#pragma once

#include <QByteArray>
#include <QString>

namespace DiskFolder {

// Asks the disk to keep the folder's list of names (a new or renamed file) as it is now.
void sync(const QByteArray& encodedPath);
void sync(const QString& path);

// Makes the folder and those above it; 0 when it stands, or the system's error number.
int make(const QString& path);

// Removes a file; 0 when done, or the system's error number.
int remove(const QString& path);

// Why writing into that folder failed, from the system's error number, as the end of a
// French sentence: "le disque est plein", "le dossier /home/… ne peut pas être écrit".
QString failureReason(int errorNumber, const QString& folder);

} // namespace DiskFolder
