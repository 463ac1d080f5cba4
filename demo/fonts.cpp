#include "fonts.h"

#include "winefonts.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

// Sizes in pixels, so the layout doesn't depend on the screen's dpi:
// 8.25 pt and 18 pt at 96 dpi.
constexpr int kWindowPixels = 11;
constexpr int kHeadingPixels = 24;

struct DemoFonts
{
    QFont window, bold, heading;
    int overstrike = 0;
};

DemoFonts makeFonts()
{
    const qreal scale = qGuiApp->devicePixelRatio();
    const FontFaces faces = loadFontFaces();
    const QFont fallback = QGuiApplication::font();
    auto make = [&](const QString &family, int pixels, QFont::Weight weight) {
        QFont f = fallback;
        if (!family.isEmpty()) {
            f.setFamily(family);
            // Crisp, unsmoothed text like the bitmap face beside it.
            f.setStyleStrategy(QFont::NoAntialias);
        }
        f.setPixelSize(pixels);
        f.setWeight(weight);
        return f;
    };
    // The MS Sans Serif file holds bitmaps of one size: scaled up for a
    // projector its letters would stand apart, so the scalable Tahoma takes
    // its place there.
    DemoFonts fonts;
    fonts.window = make(scale != 1.0 ? faces.large : faces.regular, kWindowPixels, QFont::Normal);
    fonts.bold = make(faces.bold, kWindowPixels, QFont::Bold);
    fonts.heading = make(faces.large, kHeadingPixels, QFont::Normal);
    // The Tahoma Bold file is bold only in its bitmaps of the window's own
    // size. Scaled up, its outlines are set as wide as bold but drawn as
    // thin as Tahoma's. Drawn a second time, as many screen pixels to the
    // right as the scale's whole part (never more than a stroke is wide,
    // so the two copies don't stand apart), they thicken as the bitmaps do.
    if (scale != 1.0 && !faces.bold.isEmpty())
        fonts.overstrike = std::max(1, int(scale));
    return fonts;
}

const DemoFonts &fonts()
{
    static const DemoFonts made = makeFonts();
    return made;
}

} // namespace

FontFaces loadFontFaces(const QStringList &folders)
{
    const QStringList search = folders.isEmpty() ? wineFontFolders() : folders;
    FontFaces faces;
    faces.regular = wineFontFamily(QStringLiteral("ms_sans_serif.ttf"), search);
    faces.bold = wineFontFamily(QStringLiteral("tahomabd.ttf"), search);
    faces.large = wineFontFamily(QStringLiteral("tahoma.ttf"), search);
    return faces;
}

int boldOverstrike()
{
    return fonts().overstrike;
}

QFont demoFont(FontId id)
{
    switch (id) {
    case FontId::Window: return fonts().window;
    case FontId::Bold: return fonts().bold;
    case FontId::Heading: return fonts().heading;
    }
    return fonts().window;
}
