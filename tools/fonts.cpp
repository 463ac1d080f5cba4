#include "fonts.h"

#include "winefonts.h"

#include <stdexcept>

namespace picturekit {

QString requiredFontFamily(const QString &file)
{
    const QString family = wineFontFamily(file);
    if (family.isEmpty())
        throw std::runtime_error("font wine/fonts/" + file.toStdString()
                                 + " is missing or unreadable (install fonts-wine)");
    return family;
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

QFont smoothed(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}

QFont captionFont() { return crispFont(requiredFontFamily("tahomabd.ttf"), 11, true); }
QFont textFont() { return crispFont(requiredFontFamily("tahoma.ttf"), 11, false); }

} // namespace picturekit
