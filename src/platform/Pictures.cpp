#include "platform/Pictures.h"

#include "platform/Application.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QStyleFactory>
#include <QTranslator>

namespace Pictures {

namespace {

// Icons already read, for as long as the application lives. Reading an icon file decodes
// every image in it, the largest too, and the same files are asked for again and again: the
// program's icon by the disclaimer right after the desktop set-up, the light bulb by every
// window. A file that changes on disk is read anew.
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

QString cacheKey(const QFileInfo& file)
{
    return file.absoluteFilePath() + QLatin1Char('|') + QString::number(file.size()) + QLatin1Char('|')
        + QString::number(file.lastModified().toMSecsSinceEpoch());
}

QIcon read(const QString& path)
{
    QIcon icon(path);
    if (icon.availableSizes().isEmpty()) {
        return {};
    }
    return icon;
}

} // namespace

QIcon load(const QString& fileName)
{
    const QString path = Application::locateDataFile(fileName);
    if (path.isEmpty()) {
        return {};
    }
    IconCache* cache = iconCache();
    if (!cache) {
        return read(path);
    }
    const QString key = cacheKey(QFileInfo(path));
    const auto found = cache->icons.constFind(key);
    if (found != cache->icons.constEnd()) {
        return found.value();
    }
    const QIcon icon = read(path);
    if (!icon.isNull()) {
        cache->icons.insert(key, icon);
    }
    return icon;
}

QIcon applicationIcon()
{
    QIcon icon = load(QStringLiteral("tambrel.ico"));
    if (icon.isNull()) {
        icon = load(QStringLiteral("tambrel.png"));
    }
    return icon;
}

QIcon helpBulb()
{
    return load(QStringLiteral("ampoule.ico"));
}

} // namespace Pictures

namespace Desktop {

bool installQtTranslations(QApplication& application, const QLocale& locale)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

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

    installQtTranslations(application, QLocale::system());
}

} // namespace Desktop
