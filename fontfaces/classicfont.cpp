#include "classicfont.h"

#include "winefonts.h"

#include <QFontDatabase>
#include <QGuiApplication>

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
    const Role r = roleOf(role);
#ifdef Q_OS_WIN
    // Windows has the classic faces among its own; under Wine, Wine's faces
    // of the same names stand in for them.
    if (QFontDatabase::hasFamily(QString::fromLatin1(r.family)))
        return QString::fromLatin1(r.family);
#endif
    return wineFontFamily(QString::fromLatin1(r.file));
}

QFont classicFont(FontRole role)
{
    // Asked for at every paint of a label: made once.
    static const QFont fonts[] = {makeFont(FontRole::Text), makeFont(FontRole::Bold),
                                  makeFont(FontRole::Heading), makeFont(FontRole::ScalableText)};
    return fonts[int(role)];
}
