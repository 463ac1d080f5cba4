#pragma once

// Rules that the pixels of a picture keep, written as rows of a table and
// checked by one function.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <vector>

// Colours the pictures and the icon are drawn in.
namespace colours {
constexpr QRgb White = 0xffffffff, Black = 0xff000000, Cyan = 0xff00ffff;
constexpr QRgb Silver = 0xffc0c0c0, Grey = 0xff808080, DarkGrey = 0xff404040;
constexpr QRgb Face = 0xffd4d0c8;       // the classic button face (212, 208, 200)
constexpr QRgb TitleDark = 0xff0a246a;  // (10, 36, 106)
constexpr QRgb TitleLight = 0xffa6caf0; // (166, 202, 240)
constexpr QRgb Teal = 0xff008080;
} // namespace colours

struct PixelRule
{
    enum class Kind { Fill, Runs, Ramp, Same, Palette, Varied, AtLeast, Besides, Gray, Art };

    Kind kind = Kind::Fill;
    QRect area;                 // picture pixels
    std::vector<QRgb> colours;  // the colour, the ramp's ends, or the palette
    QPoint shift;               // Same: where the copy lies
    int count = 0;              // Varied, AtLeast, Besides: how many; Ramp: tolerance
    int low = 0, high = 255;    // Gray: the range of grey levels
    QString text;               // Runs: "61-145 150-151"; Art: the rows
};

// The rectangle x0..x1, y0..y1, both ends included.
inline QRect span(int x0, int y0, int x1, int y1) { return QRect(QPoint(x0, y0), QPoint(x1, y1)); }

// Every pixel of `area` is `colour`.
PixelRule fill(const QRect &area, QRgb colour);
// In a one-pixel row or column, the runs of `colour` are exactly `runs`
// ("first-last" each, separated by spaces; "" for none).
PixelRule runs(const QRect &area, QRgb colour, const char *runs);
// Each column is one colour; from `left` at the first column to `right` at
// the last, every channel rises or falls steadily, at most `tolerance` off
// the straight line.
PixelRule ramp(const QRect &area, QRgb left, QRgb right, int tolerance);
// `area` holds the same pixels as `area` moved by `shift`.
PixelRule same(const QRect &area, const QPoint &shift);
// The colours used in `area` are exactly `palette`.
PixelRule palette(const QRect &area, std::vector<QRgb> palette);
// At least `count` distinct colours in `area`.
PixelRule varied(const QRect &area, int count);
// At least `count` pixels of `colour` in `area`.
PixelRule atLeast(const QRect &area, QRgb colour, int count);
// At least `count` pixels in `area` that are not `colour`.
PixelRule besides(const QRect &area, QRgb colour, int count);
// The grey level of every pixel of `area` lies in low..high.
PixelRule gray(const QRect &area, int low, int high);
// The pixels from `topLeft` on, drawn as rows of letters separated by
// spaces: '.' transparent, K black, W white, C cyan, S silver, G grey,
// D dark grey, F face.
PixelRule art(const QPoint &topLeft, const char *rows);

// What breaks the rule in `image`, or an empty string.
QString broken(const QImage &image, const PixelRule &rule);
