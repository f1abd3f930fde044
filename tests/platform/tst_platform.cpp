// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop layer: data files found beside the program, the display platform, Qt's own texts
// in French, colour codes that leave with their widget, stacked captions and text boxes drawn
// as they should be.
#include "games/GameLibrary.h"
#include "platform/Application.h"
#include "platform/Colours.h"
#include "platform/DisplayPlatform.h"
#include "platform/Language.h"
#include "platform/Pictures.h"
#include "platform/Widgets.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Session = DisplayPlatform::Session;
Q_DECLARE_METATYPE(Session)

namespace {

// A text box painted the long way: the line edit's own painting.
class LineEditPainted : public TextBox
{
public:
    using TextBox::TextBox;

protected:
    void paintEvent(QPaintEvent* event) override { QLineEdit::paintEvent(event); }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The look the windows are drawn in: style and font of the program.
    void initTestCase() { Desktop::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance())); }

    // The current folder first, then the program's: started from another folder (a desktop
    // menu), help is still found beside the program. Names only, never a path out of them.
    void dataFilesAreLookedForInOrder()
    {
        const QString start = QDir::currentPath();
        QTemporaryDir here;
        QDir::setCurrent(here.path());
        const QDir program(QCoreApplication::applicationDirPath());
        const QStringList made{
            here.filePath("Here.html"), program.filePath("Here.html"), program.filePath("AideTest.html")};
        for (const QString& path : made) {
            QFile(path).open(QIODevice::WriteOnly);
        }
        QStringList found;
        for (const QString& name : {QStringLiteral("Here.html"), QStringLiteral("AideTest.html"),
                 "../" + QDir(here.path()).dirName() + "/Here.html", QStringLiteral("NoSuchPage.html"),
                 QString()}) {
            found << Application::locateDataFile(name);
        }
        QFile::remove(made[1]);
        QFile::remove(made[2]);
        QDir::setCurrent(start);
        QCOMPARE(found, (QStringList{made[0], made[2], {}, {}, {}}));
    }

    // The display platform asked of Qt: XWayland under a Wayland session, unless the player chose.
    void displayPlatform_data()
    {
        QTest::addColumn<Session>("session"); // WAYLAND_DISPLAY, XDG_SESSION_TYPE, DISPLAY, QT_QPA_PLATFORM
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArray>("platform");
        const QByteArrayList none{"tambrel"};
        const QByteArray xwayland = "xcb;wayland";
        QTest::addRow("X11") << Session{"", "x11", ":0", ""} << none << QByteArray();
        QTest::addRow("Wayland display") << Session{"wayland-0", "", ":0", ""} << none << xwayland;
        QTest::addRow("Wayland session type") << Session{"", "wayland", ":1", ""} << none << xwayland;
        QTest::addRow("no XWayland") << Session{"wayland-0", "wayland", "", ""} << none << QByteArray();
        QTest::addRow("QT_QPA_PLATFORM") << Session{"wayland-0", "", ":0", "wayland"} << none << QByteArray();
        QTest::addRow("-platform") << Session{"wayland-0", "", ":0", ""}
                                   << QByteArrayList{"tambrel", "-platform", "wayland"} << QByteArray();
        QTest::addRow("--platform") << Session{"wayland-0", "", ":0", ""}
                                    << QByteArrayList{"tambrel", "-reverse", "--platform", "offscreen"}
                                    << QByteArray();
        QTest::addRow("-platformtheme") << Session{"wayland-0", "", ":0", ""}
                                        << QByteArrayList{"tambrel", "-platformtheme", "gtk3"} << xwayland;
    }

    void displayPlatform()
    {
        QFETCH(Session, session);
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArray, platform);
        QCOMPARE(DisplayPlatform::choose(session, arguments), platform);
    }

    // French on a French desktop and where no language is set, English elsewhere; the
    // player's choice wins over the desktop and is kept.
    void languageOfTheDesktopOrThePlayer_data()
    {
        QTest::addColumn<QString>("desktop");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QString>("spoken");
        QTest::addRow("French desktop") << "fr_FR"
                                        << ""
                                        << "fr";
        QTest::addRow("Belgian desktop") << "fr_BE"
                                         << ""
                                         << "fr";
        QTest::addRow("no language set") << "C"
                                         << ""
                                         << "fr";
        QTest::addRow("British desktop") << "en_GB"
                                         << ""
                                         << "en";
        QTest::addRow("German desktop") << "de_DE"
                                        << ""
                                        << "en";
        QTest::addRow("English chosen on a French desktop") << "fr_FR"
                                                            << "en"
                                                            << "en";
        QTest::addRow("French chosen on a German desktop") << "de_DE"
                                                           << "fr"
                                                           << "fr";
    }

    void languageOfTheDesktopOrThePlayer()
    {
        QFETCH(QString, desktop);
        QFETCH(QString, saved);
        QFETCH(QString, spoken);
        QSettings(QStringLiteral("tambrel"), QStringLiteral("tambrel")).remove(QStringLiteral("language"));
        if (!saved.isEmpty()) {
            Language::save(
                saved == QLatin1String("en") ? Language::Choice::English : Language::Choice::French);
        }
        const Language::Choice choice = Language::preferred(QLocale(desktop));
        QCOMPARE(Language::code(choice), spoken);

        // Qt's standard buttons speak the same language.
        Language::install(*QCoreApplication::instance(), choice);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), spoken == "fr" ? "&Oui" : "&Yes");
        QSettings(QStringLiteral("tambrel"), QStringLiteral("tambrel")).remove(QStringLiteral("language"));
    }

    // The player's games stay where they have always been kept, whatever the program sets up.
    void gamesStayWhereTheyWere()
    {
        Desktop::setUp(*qobject_cast<QApplication*>(QCoreApplication::instance()));
        QCOMPARE(
            GameLibrary::defaultFolder(), qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/tambrel"));
    }

    // A widget made where a deleted one stood starts without the colour code it had.
    void colourCodesLeaveWithTheirWidget()
    {
        for (int round = 0; round < 20; ++round) {
            const auto label = std::make_unique<QLabel>();
            QCOMPARE(Colours::backColour(label.get()), Colours::ButtonFace);
            Colours::setBackColour(label.get(), Colours::InactiveTitleBar);
            QCOMPARE(Colours::backColour(label.get()), Colours::InactiveTitleBar);
        }
    }

    // A stacked caption is repainted a strip at a time as its neighbours on the board change:
    // each column and row of pixels repainted alone shows what the whole shows.
    void stackedCaptionRepaintsByStrips()
    {
        StackedCaptionButton button(QStringLiteral("SIMULER"));
        button.resize(17, 97);
        const QImage whole = button.grab().toImage();
        for (int i = 0; i < 17 + 97; ++i) {
            const QRect part = i < 17 ? QRect(i, 0, 1, 97) : QRect(0, i - 17, 17, 1);
            QVERIFY2(button.grab(part).toImage() == whole.copy(part), qPrintable(QString::number(i)));
        }
    }

    void textBoxLooksLikeALineEdit_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<ColourCode>("back");
        QTest::addRow("trend mark") << "+" << QSize(17, 19) << true << Colours::InactiveTitleBar;
        QTest::addRow("board cell") << "36" << QSize(25, 19) << false << Colours::Red;
        QTest::addRow("dozen box") << "1 ère 12" << QSize(97, 19) << false << Colours::Yellow;
    }

    // A board cell or a mark shows what a line edit would: the same frame and colours, the
    // text where the line edit puts it to within a pixel.
    void textBoxLooksLikeALineEdit()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QFETCH(bool, bold);
        QFETCH(ColourCode, back);
        QWidget window;
        Colours::setBackColour(&window, Colours::ButtonFace);
        QList<QImage> looks;
        for (TextBox* box : {new TextBox(&window), static_cast<TextBox*>(new LineEditPainted(&window))}) {
            box->setAlignment(Qt::AlignCenter);
            QFont font = box->font();
            font.setBold(bold);
            box->setFont(font);
            box->setText(text);
            Colours::setBackColour(box, back);
            box->setGeometry(QRect(QPoint(0, 0), size));
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::magenta);
            box->render(&image);
            looks << image;
        }
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                int nearest = 255;
                for (int shift = -1; shift <= 1; ++shift) {
                    const QColor a = looks[0].pixelColor(x, y);
                    const QColor b = looks[1].pixelColor(qBound(0, x + shift, size.width() - 1), y);
                    nearest = std::min(nearest,
                        std::max({qAbs(a.red() - b.red()), qAbs(a.green() - b.green()),
                            qAbs(a.blue() - b.blue())}));
                }
                QVERIFY2(nearest <= 48, qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
            }
        }
    }
};

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
