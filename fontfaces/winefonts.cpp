#include "winefonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The family of the face file at `path`, or empty where it doesn't load.
QString registeredFamily(const QString &path)
{
    static QHash<QString, QString> loaded; // path -> family, "" if unusable
    const auto it = loaded.constFind(path);
    if (it != loaded.constEnd())
        return *it;
    const int id = QFontDatabase::addApplicationFont(path);
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    loaded.insert(path, family);
    return family;
}

} // namespace

bool runsUnderWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

QStringList wineFontFolders()
{
#ifdef Q_OS_WIN
    // A Windows program under Wine sees the host's folders on drive Z:.
    // Wine's own faces lie in its data folder there; a Wine that doesn't
    // offer them to Windows programs as system faces leaves them to be
    // loaded from it.
    if (runsUnderWine()) {
        QStringList folders;
        for (const char *folder : {"Z:/usr/share/wine/fonts", "Z:/usr/local/share/wine/fonts"})
            if (QFileInfo(QString::fromLatin1(folder)).isDir())
                folders << QString::fromLatin1(folder);
        return folders;
    }
#endif
    return QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                     QStringLiteral("wine/fonts"),
                                     QStandardPaths::LocateDirectory);
}

QString wineFontFamily(const QString &file, const QStringList &folders)
{
    if (file.isEmpty())
        return QString();
    for (const QString &folder : folders) {
        const QFileInfo face(folder + QLatin1Char('/') + file);
        if (!face.isFile())
            continue;
        const QString family = registeredFamily(face.absoluteFilePath());
        if (!family.isEmpty())
            return family;
    }
    return QString();
}
