#include "winefonts.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
#include <QStandardPaths>

#include "wine.h"

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

QStringList wineFontFolders()
{
#ifdef Q_OS_WIN
    return windowsFontFolders();
#else
    return QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                     QStringLiteral("wine/fonts"),
                                     QStandardPaths::LocateDirectory);
#endif
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
