#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStandardPaths>

#include <stdexcept>

namespace picturekit {

QString wineFontFamily(const QString &file)
{
    static QHash<QString, QString> loaded;
    const auto it = loaded.constFind(file);
    if (it != loaded.constEnd())
        return *it;

    const QString path =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, "wine/fonts/" + file);
    if (path.isEmpty())
        throw std::runtime_error("font wine/fonts/" + file.toStdString()
                                 + " not found (install fonts-wine)");
    const int id = QFontDatabase::addApplicationFont(path);
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (id < 0 || families.isEmpty())
        throw std::runtime_error("cannot load font " + path.toStdString());
    loaded.insert(file, families.first());
    return families.first();
}

QFont crispFont(const QString &family, int pixelSize, bool bold)
{
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setKerning(false);
    return f;
}

QFont captionFont() { return crispFont(wineFontFamily("tahomabd.ttf"), 11, true); }
QFont textFont() { return crispFont(wineFontFamily("tahoma.ttf"), 11, false); }

} // namespace picturekit
