#include "launch.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace launch {

bool installQtTranslations()
{
    // Both programs speak Russian only, so Qt's own texts do too, whatever
    // the system's language. Debian ships them in qt6-translations-l10n.
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QStringLiteral("qtbase_ru"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace launch
