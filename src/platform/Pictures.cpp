#include "platform/Pictures.h"

#include "platform/Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

namespace Pictures {

QIcon load(const QString& fileName)
{
    const QString path = Application::locateDataFile(fileName);
    if (path.isEmpty()) {
        return {};
    }
    QIcon icon(path);
    if (icon.availableSizes().isEmpty()) {
        return {};
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
