// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HelpPages.h"

#include "platform/Application.h"
#include "platform/Language.h"

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
    // The pages in the program's language, or the French ones when a translation is missing.
    QString path;
    if (Language::current() != Language::Choice::French) {
        path = Application::locateDataFile(fileName, Language::code(Language::current()));
    }
    if (path.isEmpty()) {
        path = Application::locateDataFile(fileName);
    }
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
