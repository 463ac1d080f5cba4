// The committed program icon: icon/program.ico read byte by byte (directory,
// BITMAPINFOHEADERs, palettes, XOR images and AND masks), its drawing, and
// the PNG sizes made from it.

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>
#include <QtTest>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Cyan = qRgb(0, 255, 255);
const QRgb Silver = qRgb(192, 192, 192);
const QRgb Grey = qRgb(128, 128, 128);

QString sourcePath(const QString &relative) { return QStringLiteral(SOURCE_DIR "/") + relative; }

struct DirEntry
{
    int width, height, colourCount, reserved, planes, bitCount;
    quint32 bytes, offset;
};

// One decoded image: a colour per pixel, or none where the AND bit is set.
struct Decoded
{
    int size = 0;
    int bitCount = 0;
    QVector<QRgb> palette;
    QVector<QRgb> colour;
    QVector<bool> transparent;
    QVector<int> xorIndex;

    bool clear(int x, int y) const { return transparent[y * size + x]; }
    QRgb at(int x, int y) const { return colour[y * size + x]; }
    bool is(int x, int y, QRgb c) const { return !clear(x, y) && at(x, y) == c; }
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

// The window of one image: the outline's columns, the top and bottom edges
// as the first and last opaque row of each column between them.
struct Window
{
    int left, right;
    QVector<int> top, bottom; // indexed by x - left

    static Window find(const Decoded &img, int left, int right)
    {
        Window w{left, right, {}, {}};
        for (int x = left; x <= right; ++x) {
            int first = -1, last = -1;
            for (int y = 0; y < img.size; ++y)
                if (!img.clear(x, y)) {
                    if (first < 0)
                        first = y;
                    last = y;
                }
            w.top.append(first);
            w.bottom.append(last);
        }
        return w;
    }
    int topAt(int x) const { return top[x - left]; }
    int bottomAt(int x) const { return bottom[x - left]; }
    bool onOutline(int x, int y) const
    {
        if (x < left || x > right)
            return false;
        if (x == left || x == right)
            return y >= topAt(x) && y <= bottomAt(x);
        return y == topAt(x) || y == bottomAt(x);
    }
};

} // namespace

class TestIcon : public QObject
{
    Q_OBJECT

    QByteArray ico;
    QList<DirEntry> entries;
    QList<Decoded> images;

    Decoded decode(const DirEntry &e)
    {
        Decoded d;
        const int at = int(e.offset);
        d.size = int(u32(ico, at + 4));
        d.bitCount = u16(ico, at + 14);
        const int colours = 1 << d.bitCount;
        for (int i = 0; i < colours; ++i) {
            const int p = at + 40 + 4 * i;
            d.palette.append(qRgb(uchar(ico[p + 2]), uchar(ico[p + 1]), uchar(ico[p])));
        }
        const int xorStride = ((d.size * d.bitCount + 31) / 32) * 4;
        const int andStride = ((d.size + 31) / 32) * 4;
        const int xorAt = at + 40 + 4 * colours;
        const int andAt = xorAt + xorStride * d.size;
        d.colour.resize(d.size * d.size);
        d.transparent.resize(d.size * d.size);
        d.xorIndex.resize(d.size * d.size);
        for (int y = 0; y < d.size; ++y) {
            const int row = d.size - 1 - y; // bottom-up
            for (int x = 0; x < d.size; ++x) {
                const int bit = x * d.bitCount;
                const uchar byte = uchar(ico[xorAt + row * xorStride + bit / 8]);
                const int index = (byte >> (8 - d.bitCount - bit % 8)) & (colours - 1);
                const uchar mask = uchar(ico[andAt + row * andStride + x / 8]);
                d.xorIndex[y * d.size + x] = index;
                d.colour[y * d.size + x] = d.palette[index];
                d.transparent[y * d.size + x] = (mask >> (7 - x % 8)) & 1;
            }
        }
        return d;
    }

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
            entries.append({uchar(ico[at]), uchar(ico[at + 1]), uchar(ico[at + 2]), uchar(ico[at + 3]),
                            u16(ico, at + 4), u16(ico, at + 6), u32(ico, at + 8), u32(ico, at + 12)});
        }
        for (const DirEntry &e : entries) {
            QVERIFY(e.offset >= 6 + 3 * 16);
            QVERIFY(qint64(e.offset) + e.bytes <= ico.size());
        }
        for (const DirEntry &e : entries)
            images.append(decode(e));
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
        const Decoded &img = images[image];
        int clear = 0;
        for (int y = 0; y < img.size; ++y)
            for (int x = 0; x < img.size; ++x)
                if (img.clear(x, y)) {
                    ++clear;
                    QCOMPARE(img.xorIndex[y * img.size + x], 0);
                }
        QVERIFY(clear > 0 && clear < img.size * img.size);
        const int last = img.size - 1;
        QVERIFY(img.clear(0, 0) && img.clear(last, 0) && img.clear(0, last) && img.clear(last, last));
    }

    void colourWindow_data()
    {
        QTest::addColumn<int>("image");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QPoint>("topRight");
        QTest::addColumn<QPoint>("bottomLeft");
        QTest::addColumn<QPoint>("bottomRight");
        QTest::addColumn<int>("shadowX0");
        QTest::addColumn<int>("shadowX1");
        QTest::newRow("32 x 32") << 1 << 5 << 22 << QPoint(5, 6) << QPoint(22, 10) << QPoint(5, 23)
                                 << QPoint(22, 26) << 23 << 28;
        QTest::newRow("16 x 16") << 2 << 2 << 11 << QPoint(2, 3) << QPoint(11, 5) << QPoint(2, 11)
                                 << QPoint(11, 13) << 12 << 14;
    }

    // A white window at a slant: black outline, the top edge falling in
    // steps four pixels long, a cyan, a black and a silver line under it
    // following its steps, silver at the inner corners of the bottom edge,
    // and a grey shadow off the lower right corner.
    void colourWindow()
    {
        QFETCH(int, image);
        QFETCH(int, left);
        QFETCH(int, right);
        QFETCH(QPoint, topLeft);
        QFETCH(QPoint, topRight);
        QFETCH(QPoint, bottomLeft);
        QFETCH(QPoint, bottomRight);
        QFETCH(int, shadowX0);
        QFETCH(int, shadowX1);
        const Decoded &img = images[image];
        const Window w = Window::find(img, left, right);

        QCOMPARE(w.topAt(left), topLeft.y());
        QCOMPARE(w.topAt(right), topRight.y());
        QCOMPARE(w.bottomAt(left), bottomLeft.y());
        QCOMPARE(w.bottomAt(right), bottomRight.y());

        // Both edges fall one row at a time; the top edge's steps are four
        // pixels long (the last one may be shorter).
        QVector<int> stepLengths{1};
        for (int x = left + 1; x <= right; ++x) {
            const int dt = w.topAt(x) - w.topAt(x - 1);
            const int db = w.bottomAt(x) - w.bottomAt(x - 1);
            QVERIFY(dt == 0 || dt == 1);
            QVERIFY(db == 0 || db == 1);
            if (dt == 0)
                ++stepLengths.last();
            else
                stepLengths.append(1);
        }
        for (int i = 0; i + 1 < stepLengths.size(); ++i)
            QCOMPARE(stepLengths[i], 4);
        QVERIFY(stepLengths.last() <= 4);

        QSet<QRgb> used;
        for (int y = 0; y < img.size; ++y)
            for (int x = 0; x < img.size; ++x) {
                const QString where = QString("(%1, %2)").arg(x).arg(y);
                if (x >= left && x <= right) {
                    const bool inside = y >= w.topAt(x) && y <= w.bottomAt(x);
                    QVERIFY2(img.clear(x, y) != inside, qPrintable(where));
                    if (!inside)
                        continue;
                    used.insert(img.at(x, y));
                    if (w.onOutline(x, y)) {
                        QVERIFY2(img.at(x, y) == Black, qPrintable(where));
                        continue;
                    }
                    const int below = y - w.topAt(x);
                    QRgb want = below == 1 ? Cyan : below == 2 ? Black : below == 3 ? Silver : White;
                    const bool innerCorner = y == w.bottomAt(x) - 1 && w.bottomAt(x) > w.bottomAt(x - 1);
                    if (innerCorner)
                        want = Silver;
                    QVERIFY2(img.at(x, y) == want, qPrintable(where));
                } else if (!img.clear(x, y)) {
                    // Only the shadow lies outside the window.
                    QVERIFY2(img.at(x, y) == Grey, qPrintable(where));
                    QVERIFY2(x >= shadowX0 && x <= shadowX1, qPrintable(where));
                    QVERIFY2(y > w.topAt(right) && y < w.bottomAt(right), qPrintable(where));
                }
            }
        QCOMPARE(used, QSet<QRgb>({Black, Cyan, Silver, White}));
        // The shadow reaches both ends of its columns.
        for (int x : {shadowX0, shadowX1}) {
            bool any = false;
            for (int y = 0; y < img.size; ++y)
                any = any || img.is(x, y, Grey);
            QVERIFY(any);
        }
    }

    // The 32 x 32 shadow sits in x 23..28, rows 21..25.
    void shadow32()
    {
        const Decoded &img = images[1];
        QRect box;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                if (img.is(x, y, Grey))
                    box |= QRect(x, y, 1, 1);
        QCOMPARE(box, QRect(QPoint(23, 21), QPoint(28, 25)));
    }

    // The two-colour image: the same shape, outline and shadow black,
    // everything else inside white.
    void twoColourImage()
    {
        const Decoded &mono = images[0];
        const Decoded &colour = images[1];
        const Window w = Window::find(colour, 5, 22);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const QString where = QString("(%1, %2)").arg(x).arg(y);
                QVERIFY2(mono.clear(x, y) == colour.clear(x, y), qPrintable(where));
                if (mono.clear(x, y))
                    continue;
                const bool black = w.onOutline(x, y) || colour.at(x, y) == Grey;
                QVERIFY2(mono.at(x, y) == (black ? Black : White), qPrintable(where));
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
        QTest::newRow("256") << 256 << 1;
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
        const QImage argb = png.convertToFormat(QImage::Format_ARGB32);
        const Decoded &src = images[image];
        const int factor = size / src.size;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb p = argb.pixel(x, y);
                const int sx = x / factor, sy = y / factor;
                const QString where = QString("(%1, %2)").arg(x).arg(y);
                if (src.clear(sx, sy))
                    QVERIFY2(qAlpha(p) == 0, qPrintable(where));
                else
                    QVERIFY2(p == (src.at(sx, sy) | 0xff000000u), qPrintable(where));
            }
    }
};

QTEST_GUILESS_MAIN(TestIcon)
#include "tst_icon.moc"
