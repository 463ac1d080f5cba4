#include "launch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#ifdef Q_OS_WASM
#include <emscripten/val.h>
#endif

namespace launch {

namespace {

// The language the programs' texts are written in.
const char kSourceLanguage[] = "ru";

// The language installTranslations() chose last.
QString &chosenLanguage()
{
    static QString language = QString::fromLatin1(kSourceLanguage);
    return language;
}

// The languages the user reads, the most wanted first, as locale names or
// language codes ("en_GB", "en-US", "en", "C").
QStringList userLanguages()
{
    QStringList languages;
    const auto listed = [](const char *variable) {
        return qEnvironmentVariable(variable).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    };
#ifdef Q_OS_WASM
    // In a web page, the page's own language first (web/page.js: ?lang= or
    // the browser's); the browser's first language is LANG there.
    const emscripten::val page = emscripten::val::module_property("pageLanguage");
    if (page.isString())
        languages << QString::fromStdString(page.as<std::string>());
#endif
#ifdef Q_OS_WIN
    // The display languages of the user's account; LANGUAGE, where it is
    // set, comes before them, as gettext has it on Windows too.
    languages << listed("LANGUAGE") << QLocale::system().uiLanguages();
#else
    // As gettext reads them: the list in LANGUAGE, unless the locale of
    // messages is the C locale, then the locale of messages itself, the
    // first of LC_ALL, LC_MESSAGES and LANG that is set.
    QString messages;
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages.isEmpty())
            messages = qEnvironmentVariable(variable);
    if (!messages.isEmpty() && messages != QLatin1String("C") && messages != QLatin1String("POSIX"))
        languages << listed("LANGUAGE") << messages;
#endif
    return languages;
}

// The language of a locale name: "en" of "en_US.UTF-8", "en-GB" or "en".
QString languageOf(const QString &locale)
{
    return locale.section(QLatin1Char('.'), 0, 0)
        .section(QLatin1Char('@'), 0, 0)
        .section(QLatin1Char('_'), 0, 0)
        .section(QLatin1Char('-'), 0, 0)
        .toLower();
}

// Installs the translation file `name`.qm from the first of `folders` that
// has it; returns whether one was installed.
bool installed(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString file = folder + QLatin1Char('/') + name + QStringLiteral(".qm");
        if (!QFileInfo::exists(file))
            continue;
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(file) && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace

QString installTranslations()
{
    // The programs' own texts in the first of the user's languages that
    // they are written in or translated into, from the folder the programs
    // install their translations into (or beside them, as on Windows and in
    // a web page); in the source language where there is none.
    const QString dir = QCoreApplication::applicationDirPath();
    const QStringList programs = {dir + QStringLiteral("/../share/kalumet/translations"), dir};
    QString language = QString::fromLatin1(kSourceLanguage);
    for (const QString &wanted : userLanguages()) {
        const QString code = languageOf(wanted);
        if (code == language)
            break;
        if (!code.isEmpty() && code != QLatin1String("c")
            && installed(QStringLiteral("kalumet_") + code, programs)) {
            language = code;
            break;
        }
    }
    chosenLanguage() = language;

    // Qt's own texts (context menus, dialog buttons) in the same language,
    // whatever the system's: English is their own, the others come from
    // Qt's translations (Debian ships them in qt6-translations-l10n).
    // Where those are missing Qt's texts stay English, silently.
    if (language == QLatin1String("en"))
        return language;
    const QStringList qtFolders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath), dir};
    if (!installed(QStringLiteral("qtbase_") + language, qtFolders))
        return QString();
    return language;
}

QString uiLanguage()
{
    return chosenLanguage();
}

} // namespace launch
