#include "fonts.h"

#include "controls.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QStandardPaths>

namespace {

QString addFont(const QStringList &folders, const QString &file)
{
    for (const QString &folder : folders) {
        const QString path = folder + QLatin1Char('/') + file;
        if (!QFile::exists(path))
            continue;
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty())
            return families.first();
    }
    return QString();
}

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
    const bool scaled = qGuiApp->devicePixelRatio() != 1.0;
    DemoFonts fonts;
    fonts.window = make(scaled ? faces.large : faces.regular, kWindowPixels, QFont::Normal);
    fonts.bold = make(faces.bold, kWindowPixels, QFont::Bold);
    fonts.heading = make(faces.large, kHeadingPixels, QFont::Normal);
    return fonts;
}

} // namespace

FontFaces loadFontFaces(const QStringList &folders)
{
    QStringList search = folders;
    if (search.isEmpty())
        search = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                           QStringLiteral("wine/fonts"),
                                           QStandardPaths::LocateDirectory);
    FontFaces faces;
    faces.regular = addFont(search, QStringLiteral("ms_sans_serif.ttf"));
    faces.bold = addFont(search, QStringLiteral("tahomabd.ttf"));
    faces.large = addFont(search, QStringLiteral("tahoma.ttf"));
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
