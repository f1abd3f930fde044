// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include "platform/NumberText.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace Language {

namespace {

const QString SettingKey = QStringLiteral("language");

// Named here rather than by the application, so that the command line's answers, given
// before there is one, speak the player's language too.
QSettings settings()
{
    return QSettings(QStringLiteral("tambrel"), QStringLiteral("tambrel"));
}

Choice& installed()
{
    static Choice instance = Choice::French;
    return instance;
}

QString translationFile(Choice choice)
{
    return QStringLiteral(":/i18n/tambrel_%1.qm").arg(code(choice));
}

// The translators this installs are the application's children of this name.
const QString TranslatorName = QStringLiteral("languageTranslator");

// The application takes the translator if it loaded.
void keep(QCoreApplication& application, QTranslator* translator, bool loaded)
{
    if (!loaded) {
        delete translator;
        return;
    }
    translator->setObjectName(TranslatorName);
    translator->setParent(&application);
    QCoreApplication::installTranslator(translator);
}

} // namespace

Choice ofDesktop(const QLocale& desktop)
{
    const QLocale::Language language = desktop.language();
    return language == QLocale::French || language == QLocale::C ? Choice::French : Choice::English;
}

std::optional<Choice> saved()
{
    const QString value = settings().value(SettingKey).toString();
    if (value == code(Choice::French)) {
        return Choice::French;
    }
    if (value == code(Choice::English)) {
        return Choice::English;
    }
    return std::nullopt;
}

void save(Choice choice)
{
    QSettings kept = settings();
    kept.setValue(SettingKey, code(choice));
    kept.sync();
}

Choice preferred(const QLocale& desktop)
{
    return saved().value_or(ofDesktop(desktop));
}

void install(QCoreApplication& application, Choice choice)
{
    const QList<QTranslator*> previous
        = application.findChildren<QTranslator*>(TranslatorName, Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : previous) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }

    auto* own = new QTranslator;
    keep(application, own, own->load(translationFile(choice)));
    // Qt's standard buttons ("Oui", "Non") speak French from Qt's own translations; their
    // English is Qt's source text.
    if (choice == Choice::French) {
        auto* qt = new QTranslator;
        keep(application, qt,
            qt->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    }
    installed() = choice;
    // The player's own figures (the stakes) are read and written as the desktop writes them in
    // French, and with a decimal point in English.
    if (choice == Choice::French) {
        NumberText::resetUserLocale();
    } else {
        NumberText::setUserLocale(locale());
    }
}

Choice current()
{
    return installed();
}

QLocale locale()
{
    return installed() == Choice::French ? QLocale(QLocale::French, QLocale::France)
                                         : QLocale(QLocale::English, QLocale::UnitedKingdom);
}

QString code(Choice choice)
{
    return choice == Choice::French ? QStringLiteral("fr") : QStringLiteral("en");
}

QString translated(Choice choice, const char* context, const char* sourceText)
{
    QTranslator translator;
    if (choice != Choice::French && translator.load(translationFile(choice))) {
        const QString text = translator.translate(context, sourceText);
        if (!text.isEmpty()) {
            return text;
        }
    }
    return QString::fromUtf8(sourceText);
}

} // namespace Language
