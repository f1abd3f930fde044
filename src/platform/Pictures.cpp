// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Pictures.h"

#include "platform/Application.h"
#include "platform/Language.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPointer>
#include <QStyleFactory>

namespace Pictures {

namespace {

// Icons already read, for as long as the application lives: reading an icon decodes every
// image in it, and the same pictures are asked for again and again (the light bulb by every
// window, the arrows at every slide).
class IconCache : public QObject
{
public:
    using QObject::QObject;

    QHash<QString, QIcon> icons;
};

IconCache* iconCache()
{
    static QPointer<IconCache> cache;
    if (!cache && QCoreApplication::instance()) {
        cache = new IconCache(QCoreApplication::instance());
    }
    return cache;
}

QIcon read(const QString& fileName)
{
    QIcon icon(QStringLiteral(":/icons/") + fileName);
    if (icon.availableSizes().isEmpty()) {
        return {};
    }
    return icon;
}

} // namespace

QIcon load(const QString& fileName)
{
    IconCache* cache = iconCache();
    if (!cache) {
        return read(fileName);
    }
    const auto found = cache->icons.constFind(fileName);
    if (found != cache->icons.constEnd()) {
        return found.value();
    }
    const QIcon icon = read(fileName);
    cache->icons.insert(fileName, icon);
    return icon;
}

QIcon applicationIcon()
{
    return load(QStringLiteral("tambrel.ico"));
}

QIcon helpBulb()
{
    return load(QStringLiteral("ampoule.ico"));
}

} // namespace Pictures

namespace Desktop {

void setUp(QApplication& application)
{
    QCoreApplication::setApplicationName(QStringLiteral("tambrel"));
    QCoreApplication::setApplicationVersion(Application::versionText());
    // The installed menu entry, fr.tambrel.tambrel.desktop: the desktop groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.tambrel.tambrel"));
    QApplication::setWindowIcon(Pictures::applicationIcon());

    // The windows were drawn for one look; a desktop theme must not recolour the board.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(style);
    }
    // Windows drawn for a small sans-serif face: Arial's metrics where the desktop has them.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.0);
    QApplication::setFont(font);

    Language::install(application, Language::preferred());
}

} // namespace Desktop
