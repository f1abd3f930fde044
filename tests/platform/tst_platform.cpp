// The desktop layer: colour codes, twips, data files and help pages, pictures, translations.
#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/HelpPages.h"
#include "platform/Pictures.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void colourCodes_data();
    void colourCodes();
    void coloursReadBackAsWritten();
    void twipsToPixels_data();
    void twipsToPixels();
    void versionComesFromTheBuild();
    void dataFilesAreLookedForInOrder();
    void helpPageOpensFromTheProgramFolder();
    void missingHelpPageOpensNothing();
    void picturesMissingOrBrokenGiveNoIcon();
    void shippedPicturesLoad_data();
    void shippedPicturesLoad();
    void shippedHelpPagesArePresent_data();
    void shippedHelpPagesArePresent();
    void frenchDesktopReadsOuiNon();

private:
    QString m_startDirectory;
};

void TestPlatform::init()
{
    m_startDirectory = QDir::currentPath();
}

void TestPlatform::cleanup()
{
    QDir::setCurrent(m_startDirectory);
    HelpPages::setOpener({});
}

void TestPlatform::colourCodes_data()
{
    QTest::addColumn<ColourCode>("code");
    QTest::addColumn<QColor>("colour");
    QTest::addRow("red") << Colours::Red << QColor(255, 0, 0);
    QTest::addRow("grey") << Colours::Grey << QColor(128, 128, 128);
    QTest::addRow("green") << Colours::Green << QColor(0, 192, 0);
    QTest::addRow("dark green") << Colours::DarkGreen << QColor(0, 128, 0);
    QTest::addRow("orange is BGR") << Colours::Orange << QColor(255, 128, 0);
    QTest::addRow("yellow") << Colours::Yellow << QColor(255, 255, 0);
    QTest::addRow("dark red") << Colours::DarkRed << QColor(192, 0, 0);
    QTest::addRow("inactive title bar") << Colours::InactiveTitleBar << QColor(122, 150, 223);
    QTest::addRow("button face") << Colours::ButtonFace << QColor(236, 233, 216);
    QTest::addRow("window text") << Colours::WindowText << QColor(0, 0, 0);
}

void TestPlatform::colourCodes()
{
    QFETCH(ColourCode, code);
    QFETCH(QColor, colour);
    QCOMPARE(Colours::toQColor(code), colour);
}

void TestPlatform::coloursReadBackAsWritten()
{
    QLabel label;
    Colours::setBackColour(&label, Colours::Orange);
    Colours::setForeColour(&label, Colours::White);
    QCOMPARE(Colours::backColour(&label), Colours::Orange);
    QCOMPARE(Colours::foreColour(&label), Colours::White);
    QCOMPARE(label.palette().color(QPalette::Window), QColor(255, 128, 0));
    QCOMPARE(label.palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QVERIFY(label.autoFillBackground());
    // A system colour and a plain colour that look alike stay different codes.
    Colours::setBackColour(&label, Colours::InactiveTitleBar);
    QCOMPARE(Colours::backColour(&label), Colours::InactiveTitleBar);
}

void TestPlatform::twipsToPixels_data()
{
    QTest::addColumn<QList<int>>("twips");
    QTest::addColumn<QRect>("pixels");
    QTest::addRow("cell") << QList<int>{360, 480, 375, 285} << QRect(24, 32, 25, 19);
    QTest::addRow("rounds edges") << QList<int>{5970, 2700, 885, 285} << QRect(398, 180, 59, 19);
    QTest::addRow("negative left") << QList<int>{-30, 315, 7575, 315} << QRect(-2, 21, 505, 21);
}

void TestPlatform::twipsToPixels()
{
    QFETCH(QList<int>, twips);
    QFETCH(QRect, pixels);
    QCOMPARE(Twips::toPixels(twips[0], twips[1], twips[2], twips[3]), pixels);
}

void TestPlatform::versionComesFromTheBuild()
{
    QCOMPARE(Application::versionText(), QStringLiteral("1.0.1"));
    QCOMPARE(Application::versionMajor(), 1);
    QCOMPARE(Application::versionMinor(), 0);
    QCOMPARE(Application::versionRevision(), 1);
    QCOMPARE(Application::title(), QStringLiteral("Tambrel"));
}

void TestPlatform::dataFilesAreLookedForInOrder()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QDir::setCurrent(folder.path());

    const QStringList directories = Application::dataDirectories();
    QCOMPARE(directories.value(0),
        QDir(folder.path()).canonicalPath().isEmpty() ? folder.path() : QDir::currentPath());
    QCOMPARE(directories.value(1), QCoreApplication::applicationDirPath());

    // Only in the current folder: found there.
    QFile page(folder.filePath(QStringLiteral("OnlyHere.html")));
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.close();
    QCOMPARE(
        Application::locateDataFile(QStringLiteral("OnlyHere.html")), QFileInfo(page).absoluteFilePath());

    QCOMPARE(Application::locateDataFile(QStringLiteral("NoSuchPage.html")), QString());
    // Names only: a path is never followed out of the data folders.
    QCOMPARE(Application::locateDataFile(QStringLiteral("../OnlyHere.html")), QString());
    QCOMPARE(Application::locateDataFile(QString()), QString());
}

// Started from another folder (a desktop menu), help is still found beside the program.
void TestPlatform::helpPageOpensFromTheProgramFolder()
{
    QTemporaryDir elsewhere;
    QDir::setCurrent(elsewhere.path());
    const QString besideProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/AideTest.html");
    QFile page(besideProgram);
    QVERIFY(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();

    QList<QUrl> opened;
    HelpPages::setOpener([&opened](const QUrl& url) {
        opened << url;
        return true;
    });
    const bool ok = HelpPages::open(QStringLiteral("AideTest.html"));
    QFile::remove(besideProgram);
    QVERIFY(ok);
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(besideProgram).absoluteFilePath())});
}

void TestPlatform::missingHelpPageOpensNothing()
{
    int calls = 0;
    HelpPages::setOpener([&calls](const QUrl&) {
        ++calls;
        return true;
    });
    QVERIFY(!HelpPages::open(QStringLiteral("NoSuchPage.html")));
    QCOMPARE(calls, 0);
}

void TestPlatform::picturesMissingOrBrokenGiveNoIcon()
{
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QVERIFY(Pictures::load(QStringLiteral("absent.ico")).isNull());
    QFile broken(folder.filePath(QStringLiteral("broken.ico")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not an icon at all");
    broken.close();
    QVERIFY(Pictures::load(QStringLiteral("broken.ico")).isNull());
}

void TestPlatform::shippedPicturesLoad_data()
{
    QTest::addColumn<QString>("file");
    QTest::addRow("application") << "tambrel.ico";
    QTest::addRow("light bulb") << "ampoule.ico";
    QTest::addRow("down arrow") << "flecheB.ico";
    QTest::addRow("up arrow") << "flecheH.ico";
}

void TestPlatform::shippedPicturesLoad()
{
    QFETCH(QString, file);
    const QIcon icon = Pictures::load(file);
    QVERIFY2(!icon.isNull(), qPrintable(file));
    QVERIFY(!icon.pixmap(16, 16).isNull());
}

void TestPlatform::shippedHelpPagesArePresent_data()
{
    QTest::addColumn<QString>("file");
    for (const char* page :
        {"AideGenerale.html", "AideSimple.html", "AideCD.html", "AideSimulation.html", "AideMise.html"}) {
        QTest::newRow(page) << QString::fromLatin1(page);
    }
}

void TestPlatform::shippedHelpPagesArePresent()
{
    QFETCH(QString, file);
    const QString path = Application::locateDataFile(file);
    QVERIFY2(!path.isEmpty(), qPrintable(file));
    QFile page(path);
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QVERIFY(html.contains(QStringLiteral("lang=\"fr\"")));
    QVERIFY(html.contains(QStringLiteral("Tambrel")));
}

void TestPlatform::frenchDesktopReadsOuiNon()
{
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    QVERIFY(Desktop::installQtTranslations(*application, QLocale(QLocale::French, QLocale::France)));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Oui"));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&No"), QStringLiteral("&Non"));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
