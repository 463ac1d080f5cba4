#include "classicfont.h"

#include "winefonts.h"

#include <QGuiApplication>

namespace {

struct Role
{
    const char *file;
    int pixels;
    QFont::Weight weight;
};

Role roleOf(FontRole role)
{
    switch (role) {
    case FontRole::Text:
        // A scaled application writes its text in the face that scales.
        if (qGuiApp->devicePixelRatio() == 1.0)
            return {"ms_sans_serif.ttf", 11, QFont::Normal};
        return roleOf(FontRole::ScalableText);
    case FontRole::Bold: return {"tahomabd.ttf", 11, QFont::Bold};
    case FontRole::Heading: return {"tahoma.ttf", 24, QFont::Normal};
    case FontRole::ScalableText: break;
    }
    return {"tahoma.ttf", 11, QFont::Normal};
}

QFont makeFont(FontRole role)
{
    const Role r = roleOf(role);
    const QString family = classicFamily(role);
    QFont font = family.isEmpty() ? QGuiApplication::font() : QFont(family);
    if (!family.isEmpty())
        font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(r.pixels);
    font.setWeight(r.weight);
    return font;
}

} // namespace

QString classicFamily(FontRole role)
{
    return wineFontFamily(QString::fromLatin1(roleOf(role).file));
}

QFont classicFont(FontRole role)
{
    // Asked for at every paint of a label: made once.
    static const QFont fonts[] = {makeFont(FontRole::Text), makeFont(FontRole::Bold),
                                  makeFont(FontRole::Heading), makeFont(FontRole::ScalableText)};
    return fonts[int(role)];
}
