// SPDX-License-Identifier: GPL-3.0-or-later
// Run from an installed tree: copied into <prefix>/bin beside the installed program and started
// from another folder, as a desktop menu starts the program. TAMBREL_INSTALLED_PREFIX names
// that prefix. Not run by ctest directly: install_tree.sh installs, copies and runs it.
#include "board/BoardTexts.h"
#include "dozens/DozensTexts.h"
#include "platform/Application.h"
#include "platform/HelpPages.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "simulation/SimulationTexts.h"
#include "stakes/StakeTexts.h"
#include "trends/TrendTexts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTest>
#include <QUrl>

class TestInstalled : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        m_prefix = QDir(qEnvironmentVariable("TAMBREL_INSTALLED_PREFIX")).canonicalPath();
        QVERIFY2(!m_prefix.isEmpty(), "TAMBREL_INSTALLED_PREFIX must name an installed tree");
        QCOMPARE(QDir(QCoreApplication::applicationDirPath()).canonicalPath(),
            installed(QStringLiteral(TAMBREL_PROGRAM_DIR)));
        // Nothing may be found merely because the current folder holds it.
        const QString here = QDir::currentPath();
        QVERIFY2(!QFileInfo::exists(here + QStringLiteral("/") + BoardTexts::HelpPage),
            qPrintable(here + QStringLiteral(" holds a help page")));
        QVERIFY(!here.startsWith(m_prefix));

        Desktop::setUp(*qApp);
    }

    void helpPagesOpenFromTheDataFolder_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("english"); // opened from en/
        for (const bool english : {false, true}) {
            QTest::addRow("board %d", english) << BoardTexts::HelpPage << english;
            QTest::addRow("trends %d", english) << TrendTexts::HelpPage << english;
            QTest::addRow("dozens %d", english) << DozensTexts::HelpPage << english;
            QTest::addRow("simulation %d", english) << SimulationTexts::HelpPage << english;
            QTest::addRow("stakes %d", english) << StakeTexts::HelpPage << english;
        }
    }

    void helpPagesOpenFromTheDataFolder()
    {
        QFETCH(QString, page);
        QFETCH(bool, english);
        Language::install(*qApp, english ? Language::Choice::English : Language::Choice::French);
        QList<QUrl> opened;
        HelpPages::setOpener([&opened](const QUrl& url) {
            opened.append(url);
            return true;
        });
        const bool result = HelpPages::open(page);
        HelpPages::setOpener({});
        QVERIFY(result);
        QCOMPARE(opened,
            QList<QUrl>{QUrl::fromLocalFile(dataFile(english ? QStringLiteral("en/") + page : page))});
    }

    // The program tells the desktop which menu entry it belongs to; that entry must be installed,
    // start the installed program and show an icon of the installed theme.
    void menuEntryNamesTheProgram()
    {
        const QString path = installed(
            QStringLiteral("share/applications/%1.desktop").arg(QGuiApplication::desktopFileName()));
        QVERIFY2(QFileInfo::exists(path), qPrintable(path));
        QSettings entry(path, QSettings::IniFormat);
        entry.beginGroup(QStringLiteral("Desktop Entry"));
        QCOMPARE(entry.value(QStringLiteral("Type")).toString(), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")).toString(), Application::title());

        const QString program
            = entry.value(QStringLiteral("Exec")).toString().section(QLatin1Char(' '), 0, 0);
        QVERIFY(!program.isEmpty());
        QVERIFY2(QFileInfo(installed(QStringLiteral(TAMBREL_PROGRAM_DIR "/") + program)).isExecutable(),
            qPrintable(program));

        const QString icon = entry.value(QStringLiteral("Icon")).toString();
        for (const char* size : {"16x16", "32x32", "48x48", "256x256"}) {
            const QString png = installed(
                QStringLiteral("share/icons/hicolor/%1/apps/%2.png").arg(QLatin1String(size), icon));
            QVERIFY2(QFileInfo::exists(png), qPrintable(png));
            const QIcon picture(png);
            const int side = QString::fromLatin1(size).section(QLatin1Char('x'), 0, 0).toInt();
            QCOMPARE(picture.availableSizes().value(0), QSize(side, side));
        }
    }

    void metainfoNamesTheMenuEntry()
    {
        const QString id = QGuiApplication::desktopFileName();
        QFile file(installed(QStringLiteral("share/metainfo/%1.metainfo.xml").arg(id)));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains(QStringLiteral("<id>%1</id>").arg(id)));
        QVERIFY(
            text.contains(QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(id)));
        QVERIFY(text.contains(QStringLiteral("<release version=\"%1\"").arg(Application::versionText())));
    }

private:
    QString installed(const QString& relative) const { return m_prefix + QLatin1Char('/') + relative; }
    QString dataFile(const QString& name) const { return installed(QStringLiteral("share/tambrel/") + name); }

    QString m_prefix;
};

QTEST_MAIN(TestInstalled)
#include "tst_installed.moc"
