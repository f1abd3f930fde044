// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Application.h"

#include "platform/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace Application {

QString title()
{
    return QStringLiteral("Tambrel");
}

int versionMajor()
{
    return TAMBREL_VERSION_MAJOR;
}

int versionMinor()
{
    return TAMBREL_VERSION_MINOR;
}

int versionRevision()
{
    return TAMBREL_VERSION_PATCH;
}

QString versionText()
{
    return QStringLiteral("%1.%2.%3").arg(versionMajor()).arg(versionMinor()).arg(versionRevision());
}

QString programDirectory()
{
    return QCoreApplication::applicationDirPath();
}

QStringList dataDirectories()
{
    QStringList directories;
    const auto add = [&directories](const QString& path) {
        if (path.isEmpty()) {
            return;
        }
        const QString clean = QDir::cleanPath(QDir(path).absolutePath());
        if (!directories.contains(clean)) {
            directories.append(clean);
        }
    };
    add(QDir::currentPath());
    const QString programDir = programDirectory();
    if (!programDir.isEmpty()) {
        add(programDir);
        add(programDir + QStringLiteral("/") + QStringLiteral(TAMBREL_RELATIVE_DATA_DIR));
    }
    add(QStringLiteral(TAMBREL_INSTALLED_DATA_DIR));
    return directories;
}

QString locateDataFile(const QString& fileName, const QString& folder)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || folder.contains(QLatin1Char('/'))
        || folder.startsWith(QLatin1Char('.'))) {
        return {};
    }
    for (const QString& directory : dataDirectories()) {
        const QFileInfo candidate(QDir(QDir(directory).filePath(folder)), fileName);
        if (candidate.isFile()) {
            return candidate.absoluteFilePath();
        }
    }
    return {};
}

} // namespace Application
