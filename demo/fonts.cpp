#include "fonts.h"

#include "winefonts.h"

#include <QGuiApplication>

namespace {

// Sizes in pixels, so the layout doesn't depend on the screen's dpi:
// 8.25 pt and 18 pt at 96 dpi.
constexpr int kWindowPixels = 11;
constexpr int kHeadingPixels = 24;

struct DemoFonts
{
    QFont window, bold, heading;
};

DemoFonts makeFonts()
{
    // The MS Sans Serif file holds bitmaps of one size: scaled up for a
    // projector its letters would stand apart, so the scalable Tahoma takes
    // its place there.
    const bool scaled = qGuiApp->devicePixelRatio() != 1.0;
    const FontFaces faces = loadFontFaces({}, scaled);
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
    DemoFonts fonts;
    fonts.window = make(scaled ? faces.large : faces.regular, kWindowPixels, QFont::Normal);
    fonts.bold = make(faces.bold, kWindowPixels, QFont::Bold);
    fonts.heading = make(faces.large, kHeadingPixels, QFont::Normal);
    return fonts;
}

} // namespace

FontFaces loadFontFaces(const QStringList &folders, bool scaled)
{
    const QStringList search = folders.isEmpty() ? wineFontFolders() : folders;
    FontFaces faces;
    faces.regular = wineFontFamily(QStringLiteral("ms_sans_serif.ttf"), search);
    faces.large = wineFontFamily(QStringLiteral("tahoma.ttf"), search);
    // The Tahoma Bold file is bold only in its bitmaps of the window's own
    // size; its outlines are as thin as Tahoma's. Scaled up, bold comes from
    // Tahoma itself, which Qt thickens for a bold weight, and the bold file
    // stays unregistered so that Qt doesn't pick its thin outlines instead.
    faces.bold = scaled ? faces.large : wineFontFamily(QStringLiteral("tahomabd.ttf"), search);
    return faces;
}

QFont demoFont(FontId id)
{
    static const DemoFonts fonts = makeFonts();
    switch (id) {
    case FontId::Window: return fonts.window;
    case FontId::Bold: return fonts.bold;
    case FontId::Heading: return fonts.heading;
    }
    return fonts.window;
}
