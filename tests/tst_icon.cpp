// The committed program icon: icon/program.ico read byte by byte (directory,
// BITMAPINFOHEADERs, palettes, XOR images and AND masks), the drawing of
// each image, and the PNG sizes made from it.

#include "pixelrules.h"
#include "sourcetree.h"

#include <QFile>
#include <QImage>
#include <QtTest>

using namespace colours;

namespace {


struct DirEntry
{
    int width, height, colourCount, reserved, planes, bitCount;
    quint32 bytes, offset;
};

// One decoded image: its palette, the palette index of each pixel, and the
// picture, transparent where the AND bit is set.
struct Decoded
{
    int bitCount = 0;
    QVector<QRgb> palette;
    QVector<int> xorIndex;
    QImage image;
};

// Little-endian fields; bytes beyond the end of a damaged file read as 0.
uchar byteAt(const QByteArray &b, int at) { return at >= 0 && at < b.size() ? uchar(b.at(at)) : 0; }
quint16 u16(const QByteArray &b, int at) { return quint16(byteAt(b, at) | byteAt(b, at + 1) << 8); }
quint32 u32(const QByteArray &b, int at) { return u16(b, at) | quint32(u16(b, at + 2)) << 16; }

QVector<QRgb> standardPalette()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

Decoded decode(const QByteArray &ico, int at)
{
    Decoded d;
    const int size = int(u32(ico, at + 4));
    d.bitCount = u16(ico, at + 14);
    const int colours = 1 << d.bitCount;
    for (int i = 0; i < colours; ++i) {
        const int p = at + 40 + 4 * i;
        d.palette.append(qRgb(byteAt(ico, p + 2), byteAt(ico, p + 1), byteAt(ico, p)));
    }
    const int xorStride = ((size * d.bitCount + 31) / 32) * 4;
    const int andStride = ((size + 31) / 32) * 4;
    const int xorAt = at + 40 + 4 * colours;
    const int andAt = xorAt + xorStride * size;
    d.image = QImage(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        const int row = size - 1 - y; // bottom-up
        for (int x = 0; x < size; ++x) {
            const int bit = x * d.bitCount;
            const uchar byte = byteAt(ico, xorAt + row * xorStride + bit / 8);
            const int index = (byte >> (8 - d.bitCount - bit % 8)) & (colours - 1);
            const bool clear = (byteAt(ico, andAt + row * andStride + x / 8) >> (7 - x % 8)) & 1;
            d.xorIndex.append(index);
            d.image.setPixel(x, y, clear ? 0 : d.palette[index]);
        }
    }
    return d;
}

// The drawing of each image: a small white window at a slant, its right
// side four pixels lower, its top edge falling in steps four pixels long;
// in colour a cyan, a black and a silver line under the top edge, silver at
// the inner corners of the bottom edge and a grey shadow off the lower
// right corner; in two colours outline and shadow black, the rest white.
// Rows above and below the drawing are transparent.
struct Drawing
{
    int image;
    int top, bottom; // the rows of the drawing
    const char *rows;
};
const Drawing kDrawings[] = {
    {0, 6, 26,
     ".....KKKK....................... .....KWWWKKKK................... "
     ".....KWWWWWWWKKKK............... .....KWWWWWWWWWWWKKKK........... "
     ".....KWWWWWWWWWWWWWWWKK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWKKKK...... "
     ".....KWWWWWWWWWWWWWWWWKKKKK..... .....KKKKWWWWWWWWWWWWWKKKKKK.... "
     ".........KKKKWWWWWWWWWKKKKKKK... .............KKKKWWWWWKKKKKKK... "
     ".................KKKKKK........."},
    {1, 6, 26,
     ".....KKKK....................... .....KCCCKKKK................... "
     ".....KKKKCCCCKKKK............... .....KSSSKKKKCCCCKKKK........... "
     ".....KWWWSSSSKKKKCCCCKK......... .....KWWWWWWWSSSSKKKKCK......... "
     ".....KWWWWWWWWWWWSSSSKK......... .....KWWWWWWWWWWWWWWWSK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWK......... "
     ".....KWWWWWWWWWWWWWWWWK......... .....KWWWWWWWWWWWWWWWWKGGG...... "
     ".....KWWWWWWWWWWWWWWWWKGGGG..... .....KKKKSWWWWWWWWWWWWKGGGGG.... "
     ".........KKKKSWWWWWWWWKGGGGGG... .............KKKKSWWWWKGGGGGG... "
     ".................KKKKKK........."},
    {2, 3, 13,
     "..KKKK.......... ..KCCCKKKK...... ..KKKKCCCCKK.... ..KSSSKKKKCK.... "
     "..KWWWSSSSKK.... ..KWWWWWWWSK.... ..KWWWWWWWWK.... ..KWWWWWWWWKG... "
     "..KKKKSWWWWKGG.. ......KKKKSKGGG. ..........KK...."},
};

} // namespace

class IconTest : public QObject
{
    Q_OBJECT

    QByteArray ico;
    QList<DirEntry> entries;
    QList<Decoded> images;

private slots:
    void initTestCase()
    {
        QFile f(sourcePath("icon/program.ico"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        ico = f.readAll();
        QVERIFY(ico.size() >= 6 + 3 * 16);
        QCOMPARE(u16(ico, 0), quint16(0));
        QCOMPARE(u16(ico, 2), quint16(1)); // icon, not cursor
        QCOMPARE(u16(ico, 4), quint16(3));
        for (int i = 0; i < 3; ++i) {
            const int at = 6 + 16 * i;
            entries.append({byteAt(ico, at), byteAt(ico, at + 1), byteAt(ico, at + 2),
                            byteAt(ico, at + 3), u16(ico, at + 4), u16(ico, at + 6),
                            u32(ico, at + 8), u32(ico, at + 12)});
        }
        for (const DirEntry &e : entries) {
            QVERIFY(e.offset >= 6 + 3 * 16);
            QVERIFY(qint64(e.offset) + e.bytes <= ico.size());
            images.append(decode(ico, int(e.offset)));
        }
    }

    void directory_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("bitCount");
        QTest::addColumn<int>("colourCount");
        QTest::newRow("32 x 32, two colours") << 0 << 32 << 1 << 2;
        QTest::newRow("32 x 32, 16 colours") << 1 << 32 << 4 << 16;
        QTest::newRow("16 x 16, 16 colours") << 2 << 16 << 4 << 16;
    }

    // Directory entry and BITMAPINFOHEADER of each image, its palette, and
    // the byte count of header, palette, XOR image and AND mask.
    void directory()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QFETCH(int, colourCount);
        const DirEntry &e = entries[image];
        QCOMPARE(e.width, size);
        QCOMPARE(e.height, size);
        QCOMPARE(e.colourCount, colourCount);
        QCOMPARE(e.reserved, 0);
        QCOMPARE(e.planes, 1);
        QCOMPARE(e.bitCount, bitCount);

        const int at = int(e.offset);
        QCOMPARE(int(u32(ico, at)), 40);
        QCOMPARE(int(u32(ico, at + 4)), size);
        QCOMPARE(int(u32(ico, at + 8)), 2 * size); // XOR image and AND mask
        QCOMPARE(int(u16(ico, at + 12)), 1);
        QCOMPARE(int(u16(ico, at + 14)), bitCount);
        QCOMPARE(int(u32(ico, at + 16)), 0);       // no compression
        const int xorBytes = ((size * bitCount + 31) / 32) * 4 * size;
        const int andBytes = ((size + 31) / 32) * 4 * size;
        QCOMPARE(int(e.bytes), 40 + 4 * colourCount + xorBytes + andBytes);

        const QVector<QRgb> palette = bitCount == 1 ? QVector<QRgb>{Black, White} : standardPalette();
        QCOMPARE(images[image].palette, palette);

        // Images don't overlap each other or the directory.
        for (int other = 0; other < 3; ++other)
            if (other != image) {
                const DirEntry &o = entries[other];
                QVERIFY(e.offset + e.bytes <= o.offset || o.offset + o.bytes <= e.offset);
            }
    }

    // Transparent pixels hold black in the XOR image, so that they leave
    // the screen as it is; the corners are transparent.
    void masks_data() { directory_data(); }

    void masks()
    {
        QFETCH(int, image);
        const Decoded &d = images[image];
        int clear = 0;
        for (int i = 0; i < d.xorIndex.size(); ++i)
            if (qAlpha(d.image.pixel(i % d.image.width(), i / d.image.width())) == 0) {
                ++clear;
                QCOMPARE(d.xorIndex[i], 0);
            }
        QVERIFY(clear > 0 && clear < d.xorIndex.size());
        const int last = d.image.width() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            QCOMPARE(qAlpha(d.image.pixel(corner)), 0);
    }

    void drawing_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(kDrawings)); ++i)
            QTest::addRow("image %d", kDrawings[i].image) << i;
    }

    void drawing()
    {
        QFETCH(int, index);
        const Drawing &d = kDrawings[index];
        const QImage &image = images[d.image].image;
        const int last = image.width() - 1;
        for (const PixelRule &rule : {art({0, d.top}, d.rows), fill(span(0, 0, last, d.top - 1), 0),
                                      fill(span(0, d.bottom + 1, last, last), 0)}) {
            const QString why = broken(image, rule);
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
    }

    void pngs_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("image");
        QTest::newRow("16") << 16 << 2;
        QTest::newRow("32") << 32 << 1;
        QTest::newRow("48") << 48 << 2;
        QTest::newRow("64") << 64 << 1;
        QTest::newRow("128") << 128 << 1;
        QTest::newRow("192") << 192 << 1;
        QTest::newRow("256") << 256 << 1;
        QTest::newRow("512") << 512 << 1;
    }

    // Each PNG is a colour image of the .ico, enlarged without smoothing,
    // transparent where the mask is set.
    void pngs()
    {
        QFETCH(int, size);
        QFETCH(int, image);
        const QImage png(sourcePath(QString("icon/program-%1.png").arg(size)));
        QVERIFY(!png.isNull());
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());
        const QImage &src = images[image].image;
        const QImage enlarged = src.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QImage argb = png.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb want = enlarged.pixel(x, y), got = argb.pixel(x, y);
                QVERIFY2(qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want,
                         qPrintable(QString("(%1, %2)").arg(x).arg(y)));
            }
    }
};

QTEST_GUILESS_MAIN(IconTest)
#include "tst_icon.moc"
