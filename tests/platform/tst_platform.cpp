// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop layer: data files found beside the program, Qt's own texts in French.
#include "platform/Application.h"
#include "platform/Pictures.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The current folder first, then the program's: started from another folder (a desktop
    // menu), help is still found beside the program. Names only, never a path out of them.
    void dataFilesAreLookedForInOrder()
    {
        const QString startDirectory = QDir::currentPath();
        QTemporaryDir folder;
        QDir::setCurrent(folder.path());
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList made{
            folder.filePath("Here.html"), program + "/Here.html", program + "/AideTest.html"};
        for (const QString& path : made) {
            QFile(path).open(QIODevice::WriteOnly);
        }
        QStringList found;
        const QString outAndBack = QStringLiteral("../%1/Here.html").arg(QDir(folder.path()).dirName());
        for (const QString& name : {QStringLiteral("Here.html"), QStringLiteral("AideTest.html"), outAndBack,
                 QStringLiteral("NoSuchPage.html"), QString()}) {
            found << Application::locateDataFile(name);
        }
        QFile::remove(made[1]);
        QFile::remove(made[2]);
        QDir::setCurrent(startDirectory);
        QCOMPARE(found,
            (QStringList{QFileInfo(made[0]).absoluteFilePath(), QFileInfo(made[2]).absoluteFilePath(),
                QString(), QString(), QString()}));
    }

    void frenchDesktopReadsOuiNon()
    {
        auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
        QVERIFY(Desktop::installQtTranslations(*application, QLocale(QLocale::French, QLocale::France)));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Non"));
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
