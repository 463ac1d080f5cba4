#include "fonts.h"

#include "classicfont.h"

#include <stdexcept>

namespace picturekit {

QFont crispFont(FontRole role)
{
    if (classicFamily(role).isEmpty())
        throw std::runtime_error("a face of the fonts-wine package is missing or unreadable "
                                 "(install fonts-wine)");
    QFont f = classicFont(role);
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

QFont captionFont() { return crispFont(FontRole::Bold); }
QFont textFont() { return crispFont(FontRole::ScalableText); }

} // namespace picturekit
