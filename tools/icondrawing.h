// The program icon: a small white window seen at a slant, in the three
// images the .ico file carries (32 x 32 two-colour, 32 x 32 and 16 x 16 in
// the standard 16-colour palette), and the .ico encoder itself.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QVector>

namespace picturekit {

// One icon image the way an .ico stores it: palette indexes plus the AND
// mask, in which a set bit leaves the screen pixel showing through.
struct IconImage
{
    int size = 0;
    int bitCount = 0;          // 1 (two colours) or 4 (sixteen colours)
    QVector<QRgb> palette;     // 2 or 16 entries
    QVector<quint8> index;     // size * size, top row first
    QVector<bool> transparent; // size * size, true where the AND bit is set

    quint8 indexAt(int x, int y) const { return index[y * size + x]; }
    bool transparentAt(int x, int y) const { return transparent[y * size + x]; }

    // 32-bit ARGB, fully transparent pixels where the mask is set.
    QImage toArgb() const;
};

// The standard 16-colour palette in its usual order (black, maroon, green,
// olive, navy, purple, teal, silver, grey, red, lime, yellow, blue,
// fuchsia, aqua, white).
QVector<QRgb> standardPalette16();

IconImage programIcon32Mono();
IconImage programIcon32();
IconImage programIcon16();

// The .ico file holding the given images, in the given order.
QByteArray icoFile(const QList<IconImage> &images);

// program-<size>.png: the 16 and 32 colour images themselves for 16 and 32,
// larger sizes enlarged without smoothing (48 from the 16 x 16 image,
// 64, 128 and 256 from the 32 x 32 image).
QImage programIconPng(int size);

// The same, encoded as a PNG file.
QByteArray pngFile(const QImage &image);

} // namespace picturekit
