#include "icondrawing.h"

#include "output.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <stdexcept>

namespace picturekit {

namespace {

// Indexes into the standard palette.
constexpr quint8 Black = 0;
constexpr quint8 Silver = 7;
constexpr quint8 Grey = 8;
constexpr quint8 Cyan = 14;
constexpr quint8 White = 15;

// Indexes into the two-colour palette.
constexpr quint8 MonoBlack = 0;
constexpr quint8 MonoWhite = 1;

// The slanted window of one icon size. The top and bottom edges fall one
// row every four columns, starting at the left edge; an edge stops falling
// when it reaches the row of its right end.
struct SlantedWindow
{
    int left, right;          // the outline's left and right columns
    int topLeft, topRight;    // rows of the top edge at the left and right ends
    int bottomLeft, bottomRight;
    // The shadow off the lower right corner: one column span per row.
    struct Span { int y, x0, x1; };
    QVector<Span> shadow;

    int top(int x) const { return std::min(topLeft + (x - left) / 4, topRight); }
    int bottom(int x) const { return std::min(bottomLeft + (x - left) / 4, bottomRight); }
};

const SlantedWindow &window32()
{
    static const SlantedWindow w{5, 22, 6, 10, 23, 26,
                                 {{21, 23, 25}, {22, 23, 26}, {23, 23, 27},
                                  {24, 23, 28}, {25, 23, 28}}};
    return w;
}

const SlantedWindow &window16()
{
    static const SlantedWindow w{2, 11, 3, 5, 11, 13,
                                 {{10, 12, 12}, {11, 12, 13}, {12, 12, 14}}};
    return w;
}

IconImage blankImage(int size, int bitCount)
{
    IconImage img;
    img.size = size;
    img.bitCount = bitCount;
    img.palette = bitCount == 1 ? QVector<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}
                                : standardPalette16();
    img.index.fill(0, size * size);
    img.transparent.fill(true, size * size);
    return img;
}

void put(IconImage &img, int x, int y, quint8 index)
{
    img.index[y * img.size + x] = index;
    img.transparent[y * img.size + x] = false;
}

// Draws the window. In two colours the outline and the shadow are black and
// everything else inside is white; in sixteen colours a cyan title stripe,
// a black line and a silver line follow the top edge's steps, the body is
// white and silver pixels soften the inner corners of the bottom edge.
IconImage drawIcon(int size, int bitCount, const SlantedWindow &w)
{
    const bool mono = bitCount == 1;
    const quint8 outline = mono ? MonoBlack : Black;
    const quint8 body = mono ? MonoWhite : White;
    IconImage img = blankImage(size, bitCount);

    for (int x = w.left; x <= w.right; ++x) {
        const int t = w.top(x);
        const int b = w.bottom(x);
        if (x == w.left || x == w.right) {
            for (int y = t; y <= b; ++y)
                put(img, x, y, outline);
            continue;
        }
        put(img, x, t, outline);
        put(img, x, b, outline);
        for (int y = t + 1; y < b; ++y) {
            quint8 c = body;
            if (!mono) {
                if (y == t + 1)
                    c = Cyan;
                else if (y == t + 2)
                    c = Black;
                else if (y == t + 3)
                    c = Silver;
            }
            put(img, x, y, c);
        }
        if (!mono && w.bottom(x) > w.bottom(x - 1))
            put(img, x, b - 1, Silver);
    }
    for (const auto &s : w.shadow)
        for (int x = s.x0; x <= s.x1; ++x)
            put(img, x, s.y, mono ? MonoBlack : Grey);
    return img;
}

void writeU16(QDataStream &out, int v) { out << quint16(v); }
void writeU32(QDataStream &out, qint64 v) { out << quint32(v); }

int rowBytes(int width, int bitCount) { return ((width * bitCount + 31) / 32) * 4; }

int xorBytes(const IconImage &img) { return rowBytes(img.size, img.bitCount) * img.size; }
int andBytes(const IconImage &img) { return rowBytes(img.size, 1) * img.size; }

int imageBytes(const IconImage &img)
{
    return 40 + 4 * img.palette.size() + xorBytes(img) + andBytes(img);
}

// Packs one row of values of the given bit width, most significant bits
// first, padded to a multiple of four bytes.
QByteArray packRow(const QVector<int> &values, int bitCount)
{
    QByteArray row(rowBytes(values.size(), bitCount), '\0');
    for (int i = 0; i < values.size(); ++i) {
        const int bit = i * bitCount;
        const int shift = 8 - bitCount - bit % 8;
        row[bit / 8] = char(quint8(row[bit / 8]) | quint8(values[i] << shift));
    }
    return row;
}

} // namespace

QImage IconImage::toArgb() const
{
    QImage out(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            out.setPixel(x, y, transparentAt(x, y) ? qRgba(0, 0, 0, 0)
                                                   : palette[indexAt(x, y)]);
    return out;
}

QVector<QRgb> standardPalette16()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

IconImage programIcon32Mono() { return drawIcon(32, 1, window32()); }
IconImage programIcon32() { return drawIcon(32, 4, window32()); }
IconImage programIcon16() { return drawIcon(16, 4, window16()); }

QByteArray icoFile(const QList<IconImage> &images)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);

    // ICONDIR
    writeU16(out, 0);
    writeU16(out, 1);
    writeU16(out, int(images.size()));

    // ICONDIRENTRY for each image; the images follow the directory.
    qint64 offset = 6 + 16 * images.size();
    for (const IconImage &img : images) {
        if (img.size < 1 || img.size > 255 || (img.bitCount != 1 && img.bitCount != 4))
            throw std::invalid_argument("unsupported icon image");
        out << quint8(img.size) << quint8(img.size) << quint8(img.palette.size()) << quint8(0);
        writeU16(out, 1);
        writeU16(out, img.bitCount);
        writeU32(out, imageBytes(img));
        writeU32(out, offset);
        offset += imageBytes(img);
    }

    for (const IconImage &img : images) {
        // BITMAPINFOHEADER: the height counts the XOR image and the AND mask.
        writeU32(out, 40);
        writeU32(out, img.size);
        writeU32(out, 2 * img.size);
        writeU16(out, 1);
        writeU16(out, img.bitCount);
        writeU32(out, 0); // no compression
        writeU32(out, xorBytes(img) + andBytes(img));
        writeU32(out, 0);
        writeU32(out, 0);
        writeU32(out, 0);
        writeU32(out, 0);
        for (QRgb c : img.palette)
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);

        // XOR image then AND mask, both bottom-up. Transparent pixels hold
        // index 0 (black) so that they leave the screen unchanged.
        for (int y = img.size - 1; y >= 0; --y) {
            QVector<int> row(img.size);
            for (int x = 0; x < img.size; ++x)
                row[x] = img.transparentAt(x, y) ? 0 : img.indexAt(x, y);
            const QByteArray packed = packRow(row, img.bitCount);
            out.writeRawData(packed.constData(), int(packed.size()));
        }
        for (int y = img.size - 1; y >= 0; --y) {
            QVector<int> row(img.size);
            for (int x = 0; x < img.size; ++x)
                row[x] = img.transparentAt(x, y) ? 1 : 0;
            const QByteArray packed = packRow(row, 1);
            out.writeRawData(packed.constData(), int(packed.size()));
        }
    }
    return bytes;
}

QImage programIconPng(int size)
{
    const QImage base = (size == 16 || size == 48) ? programIcon16().toArgb()
                                                   : programIcon32().toArgb();
    if (size % base.width() != 0)
        throw std::invalid_argument("icon size is not a multiple of 16 or 32");
    if (size == base.width())
        return base;
    return base.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray pngFile(const QImage &image)
{
    return encodedImage(image, "png");
}

} // namespace picturekit
