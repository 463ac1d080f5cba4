#include "launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

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

// Installs the translation file `name` from the first of `folders` that
// has it; returns whether one was installed.
bool installed(const QString &name, const QStringList &folders)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &folder : folders)
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
            return true;
    delete translator;
    return false;
}

} // namespace

QString installTranslations()
{
    // The programs' own texts in the first of the user's languages that
    // there is a translation into, from the folder the programs install
    // their translations into; in the source language otherwise.
    const QString programs = QCoreApplication::applicationDirPath()
                             + QStringLiteral("/../share/kalumet/translations");
    QString language = QString::fromLatin1(kSourceLanguage);
    auto *own = new QTranslator(QCoreApplication::instance());
    if (own->load(QLocale(), QStringLiteral("kalumet"), QStringLiteral("_"), programs)
        && QCoreApplication::installTranslator(own))
        language = QLocale(own->language()).name().section(QLatin1Char('_'), 0, 0);
    else
        delete own;
    chosenLanguage() = language;

    // Qt's own texts (context menus, dialog buttons) in the same language,
    // whatever the system's; Debian ships them in qt6-translations-l10n.
    // Where they are missing Qt's texts stay English, silently.
    const QStringList qtFolders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                   QCoreApplication::applicationDirPath()};
    if (!installed(QStringLiteral("qtbase_") + language, qtFolders))
        return QString();
    return language;
}

QString uiLanguage()
{
    return chosenLanguage();
}

} // namespace launch
