// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpPages.h"

#include "platform/Application.h"

#include <QDesktopServices>

namespace HelpPages {

namespace {

std::function<bool(const QUrl&)>& opener()
{
    static std::function<bool(const QUrl&)> instance;
    return instance;
}

} // namespace

bool open(const QString& fileName)
{
    const QString path = Application::locateDataFile(fileName);
    if (path.isEmpty()) {
        return false;
    }
    const QUrl url = QUrl::fromLocalFile(path);
    if (opener()) {
        return opener()(url);
    }
    return QDesktopServices::openUrl(url);
}

void setOpener(std::function<bool(const QUrl&)> replacement)
{
    opener() = std::move(replacement);
}

} // namespace HelpPages
