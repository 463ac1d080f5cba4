#include "classicfont.h"

#include "wine.h"
#include "winefonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

#include <optional>

namespace {

struct Role
{
    const char *file;   // in fonts-wine
    const char *family; // the face's family, as Windows names it
    int pixels;
    QFont::Weight weight;
};

Role roleOf(FontRole role)
{
    switch (role) {
    case FontRole::Text:
        // A scaled application writes its text in the face that scales.
        if (qGuiApp->devicePixelRatio() == 1.0)
            return {"ms_sans_serif.ttf", "MS Sans Serif", 11, QFont::Normal};
        return roleOf(FontRole::ScalableText);
    case FontRole::Bold: return {"tahomabd.ttf", "Tahoma", 11, QFont::Bold};
    case FontRole::Heading: return {"tahoma.ttf", "Tahoma", 24, QFont::Normal};
    case FontRole::ScalableText: break;
    }
    return {"tahoma.ttf", "Tahoma", 11, QFont::Normal};
}

QFont makeFont(FontRole role)
{
    const Role r = roleOf(role);
    const QString family = classicFamily(role);
    // The application's font with the classic face: a font of the family
    // alone would be matched anew, with an engine of its own, as it is drawn.
    QFont font = QGuiApplication::font();
    if (!family.isEmpty()) {
        font.setFamily(family);
        // Set as the classic windows set text: letter after letter, with
        // no kerning or other OpenType shaping, which Latin and Cyrillic
        // text in these faces doesn't need. Shaping is also the greater part
        // of the cost of drawing the window's many captions for the first
        // time, in a web page above all.
        font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping));
    }
    font.setPixelSize(r.pixels);
    font.setWeight(r.weight);
    return font;
}

} // namespace

QString classicFamily(FontRole role)
{
    const Role r = roleOf(role);
    const QString own = systemFamily(QString::fromLatin1(r.family));
    return own.isEmpty() ? wineFontFamily(QString::fromLatin1(r.file)) : own;
}

void loadClassicFaces(std::initializer_list<FontRole> roles)
{
    for (FontRole role : roles)
        classicFamily(role);
}

QFont classicFont(FontRole role)
{
    // Asked for at every paint of a label: each made once, when first asked
    // for, so that a program loads only the faces it writes in.
    static std::optional<QFont> fonts[4];
    std::optional<QFont> &font = fonts[int(role)];
    if (!font)
        font = makeFont(role);
    return *font;
}
