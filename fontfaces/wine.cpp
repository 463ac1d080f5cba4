#include "wine.h"

#include <QFileInfo>
#include <QFontDatabase>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

bool runsUnderWine()
{
#ifdef Q_OS_WIN
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
#else
    return false;
#endif
}

void chooseFontEngine()
{
    if (runsUnderWine() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

QStringList windowsFontFolders()
{
    QStringList folders;
    // A Windows program under Wine sees the host's folders on drive Z:.
    if (runsUnderWine())
        for (const char *folder : {"Z:/usr/share/wine/fonts", "Z:/usr/local/share/wine/fonts"})
            if (QFileInfo(QString::fromLatin1(folder)).isDir())
                folders << QString::fromLatin1(folder);
    return folders;
}

QString systemFamily(const QString &family)
{
#ifdef Q_OS_WIN
    if (!runsUnderWine() && QFontDatabase::hasFamily(family))
        return family;
#endif
    Q_UNUSED(family);
    return QString();
}
