// The committed pictures of the demonstrator window, checked pixel by pixel:
// the flowchart behind the flowchart labels and lines, the empty sorter
// window behind the live controls, and the desktop around it.

#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>
#include <QtTest>

#include <utility>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Cyan = qRgb(0, 255, 255);
const QRgb Face = qRgb(212, 208, 200);
const QRgb Grey = qRgb(128, 128, 128);
const QRgb DarkGrey = qRgb(64, 64, 64);
const QRgb TitleDark = qRgb(10, 36, 106);
const QRgb TitleLight = qRgb(166, 202, 240);
const QRgb Teal = qRgb(0, 128, 128);

QString sourcePath(const QString &relative) { return QStringLiteral(SOURCE_DIR "/") + relative; }

QImage loadPicture(const QString &name)
{
    QImage img(sourcePath("demo/pictures/" + name));
    return img.convertToFormat(QImage::Format_RGB32);
}

QRgb px(const QImage &img, int x, int y) { return img.pixel(x, y) | 0xff000000u; }

QString colourText(QRgb c) { return QString("(%1, %2, %3)").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

// Maximal runs [first, last] of pixels of colour c in row y between x0 and x1.
QList<std::pair<int, int>> runs(const QImage &img, int y, int x0, int x1, QRgb c)
{
    QList<std::pair<int, int>> out;
    for (int x = x0; x <= x1; ++x) {
        if (px(img, x, y) != c)
            continue;
        if (!out.isEmpty() && out.last().second == x - 1)
            out.last().second = x;
        else
            out.append({x, x});
    }
    return out;
}

// First pixel in the rectangle that is not colour c, as text, or empty.
QString notAll(const QImage &img, int x0, int y0, int x1, int y1, QRgb c)
{
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (px(img, x, y) != c)
                return QString("(%1, %2) is %3, not %4")
                    .arg(x).arg(y).arg(colourText(px(img, x, y)), colourText(c));
    return QString();
}

#define EXPECT_ALL(img, x0, y0, x1, y1, c)                                       \
    do {                                                                         \
        const QString bad_ = notAll(img, x0, y0, x1, y1, c);                     \
        QVERIFY2(bad_.isEmpty(), qPrintable(bad_));                              \
    } while (false)

using Runs = QList<std::pair<int, int>>;

int channel(QRgb c, int i) { return i == 0 ? qRed(c) : i == 1 ? qGreen(c) : qBlue(c); }

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

    QImage flow;
    QImage sorter;
    QImage desk;

    QRgb titleColour(int x) const { return px(sorter, x, 4); }

private slots:
    void initTestCase()
    {
        flow = loadPicture("flowchart.bmp");
        sorter = loadPicture("sorter_window.bmp");
        desk = loadPicture("desktop.bmp");
        QVERIFY(!flow.isNull());
        QVERIFY(!sorter.isNull());
        QVERIFY(!desk.isNull());
    }

    // ---- file format -----------------------------------------------------

    void bmpFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bytes");
        QTest::newRow("flowchart") << "flowchart.bmp" << 266 << 531 << 424854;
        QTest::newRow("sorter window") << "sorter_window.bmp" << 243 << 163 << 119370;
        QTest::newRow("desktop") << "desktop.bmp" << 296 << 222 << 197190;
    }

    // Plain 24-bit BMP: BITMAPINFOHEADER, bottom-up, no palette, no compression.
    void bmpFormat()
    {
        QFETCH(QString, name);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, bytes);
        QFile f(sourcePath("demo/pictures/" + name));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(int(b.size()), bytes);
        const auto *d = reinterpret_cast<const uchar *>(b.constData());
        QCOMPARE(b.left(2), QByteArray("BM"));
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 2)), bytes);
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 10)), 54);         // pixels right after the headers
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 14)), 40);         // BITMAPINFOHEADER
        QCOMPARE(int(qFromLittleEndian<qint32>(d + 18)), width);
        QCOMPARE(int(qFromLittleEndian<qint32>(d + 22)), height);      // positive: bottom-up
        QCOMPARE(int(qFromLittleEndian<quint16>(d + 26)), 1);
        QCOMPARE(int(qFromLittleEndian<quint16>(d + 28)), 24);
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 30)), 0);          // BI_RGB
        QCOMPARE(int(qFromLittleEndian<quint32>(d + 46)), 0);          // no palette
        QCOMPARE(54 + ((width * 3 + 3) / 4 * 4) * height, bytes);

        const QImage img = loadPicture(name);
        QCOMPARE(img.size(), QSize(width, height));
    }

    // ---- flowchart -------------------------------------------------------

    void flowchartColours()
    {
        QSet<QRgb> colours;
        for (int y = 0; y < flow.height(); ++y)
            for (int x = 0; x < flow.width(); ++x)
                colours.insert(px(flow, x, y));
        QCOMPARE(colours, QSet<QRgb>({White, Black, Cyan}));
    }

    // The drawing keeps to x 7..254, y 8..520.
    void flowchartMargins()
    {
        EXPECT_ALL(flow, 0, 0, 265, 7, White);
        EXPECT_ALL(flow, 0, 521, 265, 530, White);
        EXPECT_ALL(flow, 0, 0, 6, 530, White);
        EXPECT_ALL(flow, 255, 0, 265, 530, White);
        QCOMPARE(px(flow, 7, 120), Black);
        QCOMPARE(px(flow, 254, 128), Black);
        QCOMPARE(px(flow, 103, 8), Black);
        QCOMPARE(px(flow, 103, 520), Black);
    }

    void capsule_data()
    {
        QTest::addColumn<int>("t");
        QTest::newRow("start terminal") << 8;
        QTest::newRow("end terminal") << 504;
    }

    void capsule()
    {
        QFETCH(int, t);
        // Edges two rows thick at the top and the bottom.
        QCOMPARE(runs(flow, t, 40, 170, Black), Runs({{61, 145}}));
        QCOMPARE(runs(flow, t + 1, 40, 170, Black), Runs({{59, 147}}));
        QCOMPARE(runs(flow, t + 15, 40, 170, Black), Runs({{58, 148}}));
        QCOMPARE(runs(flow, t + 16, 40, 170, Black), Runs({{60, 146}}));
        EXPECT_ALL(flow, 40, t - 1, 170, t - 1, White);
        EXPECT_ALL(flow, 40, t + 17, 170, t + 17, White);

        // Half-circle ends, two to three pixels thick, reaching x 55 and
        // x 151 on rows t+6..t+10 only; white inside.
        for (int y = t + 2; y <= t + 14; ++y) {
            const Runs r = runs(flow, y, 40, 170, Black);
            QVERIFY2(r.size() == 2, qPrintable(QString("row %1").arg(y)));
            const bool widest = y >= t + 6 && y <= t + 10;
            QCOMPARE(r[0].first == 55, widest);
            QCOMPARE(r[1].second == 151, widest);
            QVERIFY(r[0].first >= 55 && r[1].second <= 151);
            const int thick = r[0].second - r[0].first + 1;
            QVERIFY2(thick >= 2 && thick <= 3, qPrintable(QString("row %1").arg(y)));
            QCOMPARE(r[1].second - r[1].first + 1, thick);
            QCOMPARE(r[0].first + r[1].second, 2 * 103);
            EXPECT_ALL(flow, r[0].second + 1, y, r[1].first - 1, y, White);
        }
    }

    void parallelogram_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<QRgb>("inside");
        QTest::newRow("input block 1") << 32 << White;
        QTest::newRow("input block 2") << 56 << White;
        QTest::newRow("input block 3") << 80 << White;
        QTest::newRow("output block 1") << 432 << Cyan;
        QTest::newRow("output block 2") << 456 << Cyan;
        QTest::newRow("output block 3") << 480 << Cyan;
    }

    void parallelogram()
    {
        QFETCH(int, t);
        QFETCH(QRgb, inside);
        QCOMPARE(runs(flow, t, 40, 170, Black), Runs({{63, 151}}));
        QCOMPARE(runs(flow, t + 16, 40, 170, Black), Runs({{55, 143}}));

        // Both sides slant down to the left by 8 pixels, one pixel every two
        // rows, and stay 88 pixels apart.
        int previousLeft = 63;
        bool steppedLastRow = false;
        for (int y = t + 1; y <= t + 15; ++y) {
            const Runs r = runs(flow, y, 40, 170, Black);
            QVERIFY2(r.size() == 2, qPrintable(QString("row %1").arg(y)));
            QCOMPARE(r[0].first, r[0].second);
            QCOMPARE(r[1].first, r[1].second);
            QCOMPARE(r[1].first - r[0].first, 88);
            const int step = previousLeft - r[0].first;
            QVERIFY2(step == 0 || (step == 1 && !steppedLastRow), qPrintable(QString("row %1").arg(y)));
            steppedLastRow = step == 1;
            previousLeft = r[0].first;
            EXPECT_ALL(flow, r[0].first + 1, y, r[1].first - 1, y, inside);
        }
        QCOMPARE(previousLeft - 55, steppedLastRow ? 0 : 1);

        // Nothing beside the block but the centre line's stubs.
        for (int y : {t - 1, t + 17}) {
            EXPECT_ALL(flow, 40, y, 102, y, White);
            EXPECT_ALL(flow, 104, y, 170, y, White);
        }
    }

    void diamond_data()
    {
        QTest::addColumn<int>("c");
        QTest::newRow("decision 1") << 120;
        QTest::newRow("decision 2") << 232;
        QTest::newRow("decision 3") << 344;
    }

    void diamond()
    {
        QFETCH(int, c);
        // Flats of five pixels at the top and bottom vertices.
        QCOMPARE(runs(flow, c - 16, 9, 157, Black), Runs({{101, 105}}));
        QCOMPARE(runs(flow, c + 16, 9, 157, Black), Runs({{101, 105}}));

        // On the 15 rows between a flat and the middle row, each side is a
        // run of 6 or 5 pixels (6 next to the flat, then alternating); the
        // runs follow each other without gaps from the flat to the vertex.
        for (int sign : {-1, 1}) {
            int nextEnd = 100;
            for (int d = 1; d <= 15; ++d) {
                const int y = c + sign * (16 - d);
                const int scanRight = y >= c + 8 ? 157 : 205; // the action boxes start at x 159
                const Runs r = runs(flow, y, 9, scanRight, Black);
                const QString where = QString("row %1").arg(y);
                QVERIFY2(r.size() == 2, qPrintable(where));
                QVERIFY2(r[0].second == nextEnd, qPrintable(where));
                QCOMPARE(r[0].second - r[0].first + 1, d % 2 ? 6 : 5);
                QCOMPARE(r[1].first, 206 - r[0].second);
                QCOMPARE(r[1].second, 206 - r[0].first);
                EXPECT_ALL(flow, r[0].second + 1, y, r[1].first - 1, y, Cyan);
                QCOMPARE(px(flow, r[0].first - 1, y), White);
                nextEnd = r[0].first - 1;
            }
            QCOMPARE(nextEnd, 17);
        }

        // Middle row: the left and right vertices, cyan between.
        QCOMPARE(px(flow, 17, c), Black);
        QCOMPARE(px(flow, 189, c), Black);
        EXPECT_ALL(flow, 18, c, 188, c, Cyan);
    }

    void actionBox_data()
    {
        QTest::addColumn<int>("top");
        for (int d = 0; d < 3; ++d)
            for (int b = 0; b < 3; ++b) {
                const int c = 120 + 112 * d;
                QTest::addRow("decision %d box %d", d + 1, b + 1) << c + 8 + 24 * b;
            }
    }

    void actionBox()
    {
        QFETCH(int, top);
        EXPECT_ALL(flow, 159, top, 254, top, Black);
        EXPECT_ALL(flow, 159, top + 16, 254, top + 16, Black);
        EXPECT_ALL(flow, 159, top, 159, top + 16, Black);
        EXPECT_ALL(flow, 254, top, 254, top + 16, Black);
        // The fill covers the yes branch at x 207.
        EXPECT_ALL(flow, 160, top + 1, 253, top + 15, Cyan);
        EXPECT_ALL(flow, 255, top, 265, top + 16, White);
        EXPECT_ALL(flow, 158, top, 158, top + 16, White);
    }

    void branches_data()
    {
        QTest::addColumn<int>("c");
        QTest::addColumn<int>("centreEnd");
        QTest::newRow("decision 1") << 120 << 215;
        QTest::newRow("decision 2") << 232 << 327;
        QTest::newRow("decision 3") << 344 << 431;
    }

    void branches()
    {
        QFETCH(int, c);
        QFETCH(int, centreEnd);
        // No branch: out of the left vertex and down the empty left side.
        EXPECT_ALL(flow, 7, c, 16, c, Black);
        EXPECT_ALL(flow, 7, c, 7, c + 80, Black);
        EXPECT_ALL(flow, 6, c - 1, 6, c + 81, White);
        EXPECT_ALL(flow, 8, c + 17, 158, c + 79, White);
        QCOMPARE(px(flow, 7, c - 1), White);

        // Yes branch: out of the right vertex and down through the boxes,
        // showing between them.
        EXPECT_ALL(flow, 190, c, 207, c, Black);
        QCOMPARE(px(flow, 208, c), White);
        QCOMPARE(px(flow, 207, c - 1), White);
        for (int gap = 0; gap < 4; ++gap) {
            const int y0 = c + 1 + 24 * gap;
            EXPECT_ALL(flow, 207, y0, 207, y0 + 6, Black);
            // under the right vertex the diamond's lower half reaches x 188
            EXPECT_ALL(flow, gap == 0 ? 190 : 160, y0, 206, y0 + 6, White);
            EXPECT_ALL(flow, 208, y0, 253, y0 + 6, White);
        }

        // Join row, and the centre line down from its middle.
        EXPECT_ALL(flow, 7, c + 80, 207, c + 80, Black);
        EXPECT_ALL(flow, 208, c + 80, 265, c + 80, White);
        EXPECT_ALL(flow, 103, c + 81, 103, centreEnd, Black);
        EXPECT_ALL(flow, 0, c + 81, 102, centreEnd, White);
        EXPECT_ALL(flow, 104, c + 81, 265, centreEnd, White);
        // It ends on the next block: the top vertex of the next diamond or
        // the top edge of output block 1.
        QCOMPARE(px(flow, 103, centreEnd + 1), Black);
        QCOMPARE(runs(flow, centreEnd + 1, 40, 170, Black).size(), 1);
    }

    // The picture has no line between the start terminal, the input blocks
    // and decision 1, nor between output block 3 and the end terminal.
    void missingConnectors_data()
    {
        QTest::addColumn<int>("y0");
        QTest::addColumn<int>("y1");
        QTest::newRow("start terminal - input block 1") << 25 << 31;
        QTest::newRow("input block 1 - input block 2") << 49 << 55;
        QTest::newRow("input block 2 - input block 3") << 73 << 79;
        QTest::newRow("input block 3 - decision 1") << 97 << 103;
        QTest::newRow("output block 3 - end terminal") << 497 << 503;
    }

    void missingConnectors()
    {
        QFETCH(int, y0);
        QFETCH(int, y1);
        EXPECT_ALL(flow, 0, y0, 265, y1, White);
    }

    // Four-pixel stubs that end on the lower output block's top edge and
    // leave three rows free under the upper one.
    void outputStubs_data()
    {
        QTest::addColumn<int>("upperBottom");
        QTest::addColumn<int>("lowerTop");
        QTest::newRow("output block 1 - 2") << 448 << 456;
        QTest::newRow("output block 2 - 3") << 472 << 480;
    }

    void outputStubs()
    {
        QFETCH(int, upperBottom);
        QFETCH(int, lowerTop);
        QCOMPARE(lowerTop - upperBottom, 8);
        EXPECT_ALL(flow, 0, upperBottom + 1, 265, upperBottom + 3, White);
        EXPECT_ALL(flow, 103, lowerTop - 4, 103, lowerTop - 1, Black);
        EXPECT_ALL(flow, 0, lowerTop - 4, 102, lowerTop - 1, White);
        EXPECT_ALL(flow, 104, lowerTop - 4, 265, lowerTop - 1, White);
    }

    // Repeated drawings: the decision groups every 112 rows (the last one's
    // centre line is shorter), input and output blocks every 24 rows, the
    // end terminal 496 rows below the start terminal.
    void repeatedDrawings_data()
    {
        QTest::addColumn<int>("y0");
        QTest::addColumn<int>("y1");
        QTest::addColumn<int>("dy");
        QTest::newRow("decision group 2") << 104 << 215 << 112;
        QTest::newRow("decision group 3") << 104 << 207 << 224;
        QTest::newRow("input block 2") << 32 << 48 << 24;
        QTest::newRow("input block 3") << 32 << 48 << 48;
        QTest::newRow("output block 2") << 432 << 448 << 24;
        QTest::newRow("output block 3") << 432 << 448 << 48;
        QTest::newRow("end terminal") << 8 << 24 << 496;
    }

    void repeatedDrawings()
    {
        QFETCH(int, y0);
        QFETCH(int, y1);
        QFETCH(int, dy);
        for (int y = y0; y <= y1; ++y)
            for (int x = 0; x < flow.width(); ++x)
                QVERIFY2(px(flow, x, y) == px(flow, x, y + dy),
                         qPrintable(QString("(%1, %2) and (%1, %3)").arg(x).arg(y).arg(y + dy)));
    }

    // ---- sorter window ---------------------------------------------------

    void frameEdges_data()
    {
        QTest::addColumn<QRect>("line");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("outer top") << QRect(QPoint(0, 0), QPoint(241, 0)) << Face;
        QTest::newRow("outer left") << QRect(QPoint(0, 0), QPoint(0, 161)) << Face;
        QTest::newRow("inner top") << QRect(QPoint(1, 1), QPoint(240, 1)) << White;
        QTest::newRow("inner left") << QRect(QPoint(1, 1), QPoint(1, 160)) << White;
        QTest::newRow("inner bottom") << QRect(QPoint(1, 161), QPoint(241, 161)) << Grey;
        QTest::newRow("inner right") << QRect(QPoint(241, 1), QPoint(241, 161)) << Grey;
        QTest::newRow("outer bottom") << QRect(QPoint(0, 162), QPoint(242, 162)) << DarkGrey;
        QTest::newRow("outer right") << QRect(QPoint(242, 0), QPoint(242, 162)) << DarkGrey;
    }

    void frameEdges()
    {
        QFETCH(QRect, line);
        QFETCH(QRgb, colour);
        QCOMPARE(sorter.size(), QSize(243, 163));
        EXPECT_ALL(sorter, line.left(), line.top(), line.right(), line.bottom(), colour);
    }

    // Frame face, the row under the title bar and the empty client area.
    void faceAndClientArea()
    {
        EXPECT_ALL(sorter, 2, 2, 240, 3, Face);
        EXPECT_ALL(sorter, 2, 2, 3, 160, Face);
        EXPECT_ALL(sorter, 239, 2, 240, 160, Face);
        EXPECT_ALL(sorter, 2, 22, 240, 22, Face);
        EXPECT_ALL(sorter, 4, 23, 238, 158, Face);
        EXPECT_ALL(sorter, 2, 159, 240, 160, Face);
    }

    // Dark blue on x 4..22, a straight ramp to x 185, light blue on
    // x 185..238; each column one colour from row 4 to row 21.
    void titleBarGradient()
    {
        for (int x = 4; x <= 238; ++x) {
            QCOMPARE(px(sorter, x, 21), titleColour(x));
            if (x <= 22)
                QCOMPARE(titleColour(x), TitleDark);
            if (x >= 185)
                QCOMPARE(titleColour(x), TitleLight);
            if (x > 22 && x < 185) {
                for (int i = 0; i < 3; ++i) {
                    const double ideal = channel(TitleDark, i)
                        + (channel(TitleLight, i) - channel(TitleDark, i)) * (x - 22) / 163.0;
                    QVERIFY2(qAbs(channel(titleColour(x), i) - ideal) <= 1.0,
                             qPrintable(QString("column %1").arg(x)));
                    QVERIFY(channel(titleColour(x), i) >= channel(titleColour(x - 1), i));
                }
            }
        }
        // Columns with nothing drawn over them are one colour top to bottom.
        for (int x : {4, 5, 22, 23, 183, 184, 185, 186, 219, 220, 237, 238})
            EXPECT_ALL(sorter, x, 4, x, 21, titleColour(x));
    }

    // The 16 x 16 program icon in its cell at x 6..21, y 5..20; its
    // transparent pixels show the title bar.
    void titleBarIcon()
    {
        const QImage icon = QImage(sourcePath("icon/program-16.png")).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb want = qAlpha(icon.pixel(x, y)) == 255 ? (icon.pixel(x, y) | 0xff000000u)
                                                                   : titleColour(6 + x);
                opaque += qAlpha(icon.pixel(x, y)) == 255;
                QVERIFY2(px(sorter, 6 + x, 5 + y) == want,
                         qPrintable(QString("icon pixel (%1, %2)").arg(x).arg(y)));
            }
        QVERIFY(opaque > 50);
    }

    // White, bold, not smoothed: x 24..182; capitals on rows 9..16, the
    // parenthesis and descenders down to row 18; an ellipsis of three
    // 2 x 2 dots at the end.
    void titleText()
    {
        int minX = 999, maxX = -1, minY = 999, maxY = -1;
        for (int y = 4; y <= 21; ++y)
            for (int x = 22; x <= 186; ++x) {
                const QRgb c = px(sorter, x, y);
                QVERIFY2(c == White || c == titleColour(x),
                         qPrintable(QString("(%1, %2) is %3").arg(x).arg(y).arg(colourText(c))));
                if (c == White) {
                    minX = qMin(minX, x);
                    maxX = qMax(maxX, x);
                    minY = qMin(minY, y);
                    maxY = qMax(maxY, y);
                }
            }
        QCOMPARE(minX, 24);
        QCOMPARE(maxX, 182);
        QCOMPARE(minY, 8);
        QCOMPARE(maxY, 18);

        // Column groups of text, from left to right.
        QList<std::pair<int, int>> groups;
        for (int x = 24; x <= 182; ++x) {
            bool ink = false;
            for (int y = 4; y <= 21; ++y)
                ink = ink || px(sorter, x, y) == White;
            if (!ink)
                continue;
            if (!groups.isEmpty() && groups.last().second == x - 1)
                groups.last().second = x;
            else
                groups.append({x, x});
        }
        QVERIFY(groups.size() > 10);

        // The first letter is a capital: rows 9..16.
        int top = 99, bottom = -1;
        for (int x = groups.first().first; x <= groups.first().second; ++x)
            for (int y = 4; y <= 21; ++y)
                if (px(sorter, x, y) == White) {
                    top = qMin(top, y);
                    bottom = qMax(bottom, y);
                }
        QCOMPARE(top, 9);
        QCOMPARE(bottom, 16);

        // The last three groups are the dots, on the base line.
        for (int i = 1; i <= 3; ++i) {
            const auto dot = groups[groups.size() - i];
            QCOMPARE(dot.second - dot.first, 1);
            for (int y = 4; y <= 21; ++y)
                for (int x = dot.first; x <= dot.second; ++x)
                    QCOMPARE(px(sorter, x, y) == White, y == 15 || y == 16);
        }
    }

    void captionButtons_data()
    {
        QTest::addColumn<int>("x0");
        QTest::addColumn<int>("x1");
        QTest::addColumn<bool>("touchesLeft");
        QTest::newRow("minimise") << 187 << 202 << false;
        QTest::newRow("maximise") << 203 << 218 << true;
        QTest::newRow("close") << 221 << 236 << false;
    }

    // Raised 16 x 14 buttons on rows 6..19.
    void captionButtons()
    {
        QFETCH(int, x0);
        QFETCH(int, x1);
        QFETCH(bool, touchesLeft);
        EXPECT_ALL(sorter, x0, 6, x1 - 1, 6, White);
        EXPECT_ALL(sorter, x0, 6, x0, 18, White);
        EXPECT_ALL(sorter, x0, 19, x1, 19, DarkGrey);
        EXPECT_ALL(sorter, x1, 6, x1, 19, DarkGrey);
        EXPECT_ALL(sorter, x0 + 1, 18, x1 - 1, 18, Grey);
        EXPECT_ALL(sorter, x1 - 1, 7, x1 - 1, 18, Grey);
        for (int x = x0; x <= x1; ++x) {
            QCOMPARE(px(sorter, x, 5), titleColour(x));
            QCOMPARE(px(sorter, x, 20), titleColour(x));
        }
        if (touchesLeft) {
            EXPECT_ALL(sorter, x0 - 1, 6, x0 - 1, 19, DarkGrey);
        } else {
            for (int x : {x0 - 2, x0 - 1})
                EXPECT_ALL(sorter, x, 4, x, 21, titleColour(x));
        }
    }

    void captionGlyphs_data()
    {
        QTest::addColumn<int>("x0");
        QTest::addColumn<QRect>("glyph");
        QTest::addColumn<QString>("shape");
        QTest::newRow("minimise bar") << 187 << QRect(QPoint(191, 15), QPoint(196, 16)) << "bar";
        QTest::newRow("maximise box") << 203 << QRect(QPoint(206, 8), QPoint(214, 16)) << "box";
        QTest::newRow("close cross") << 221 << QRect(QPoint(225, 9), QPoint(232, 15)) << "cross";
    }

    void captionGlyphs()
    {
        QFETCH(int, x0);
        QFETCH(QRect, glyph);
        QFETCH(QString, shape);
        // Inside the button's edges: black glyph on the face, nothing else.
        for (int y = 7; y <= 17; ++y)
            for (int x = x0 + 1; x <= x0 + 13; ++x) {
                const QRgb c = px(sorter, x, y);
                QVERIFY2(c == Face || (c == Black && glyph.contains(x, y)),
                         qPrintable(QString("(%1, %2) is %3").arg(x).arg(y).arg(colourText(c))));
            }
        auto black = [&](int x, int y) { return px(sorter, x, y) == Black; };
        if (shape == "bar") {
            EXPECT_ALL(sorter, glyph.left(), glyph.top(), glyph.right(), glyph.bottom(), Black);
        } else if (shape == "box") {
            // Outline with the top edge two rows thick.
            for (int y = glyph.top(); y <= glyph.bottom(); ++y)
                for (int x = glyph.left(); x <= glyph.right(); ++x) {
                    const bool edge = y <= glyph.top() + 1 || y == glyph.bottom()
                                      || x == glyph.left() || x == glyph.right();
                    QCOMPARE(black(x, y), edge);
                }
        } else {
            // Two crossing diagonal strokes, each two pixels wide.
            for (int y = glyph.top(); y <= glyph.bottom(); ++y) {
                const Runs r = runs(sorter, y, glyph.left(), glyph.right(), Black);
                QVERIFY(r.size() == 1 || r.size() == 2);
                for (const auto &run : r)
                    QVERIFY((run.second - run.first + 1) % 2 == 0);
                for (int x = glyph.left(); x <= glyph.right(); ++x) {
                    QCOMPARE(black(x, y), black(glyph.left() + glyph.right() - x, y));
                    QCOMPARE(black(x, y), black(x, glyph.top() + glyph.bottom() - y));
                }
            }
            for (const QPoint &corner : {glyph.topLeft(), glyph.topRight(), glyph.bottomLeft(),
                                         glyph.bottomRight()})
                QVERIFY(black(corner.x(), corner.y()));
            QVERIFY(black(228, 12) && black(229, 12));
            QVERIFY(!black(228, 9) && !black(225, 12));
        }
    }

    // ---- desktop ---------------------------------------------------------

    void desktopTeal()
    {
        int teal = 0;
        for (int y = 0; y < desk.height(); ++y)
            for (int x = 0; x < desk.width(); ++x)
                teal += px(desk, x, y) == Teal;
        QVERIFY2(teal * 2 > desk.width() * desk.height(), qPrintable(QString::number(teal)));
    }

    // The reduction smooths edges and text into thousands of colours.
    void desktopColours()
    {
        QSet<QRgb> colours;
        for (int y = 0; y < desk.height(); ++y)
            for (int x = 0; x < desk.width(); ++x)
                colours.insert(px(desk, x, y));
        QVERIFY2(colours.size() >= 2000, qPrintable(QString::number(colours.size())));
    }

    // Icons in columns over the left half, x 1..134, y 1..190; bare teal
    // elsewhere above the taskbar, outside the sorter window.
    void desktopIcons()
    {
        EXPECT_ALL(desk, 158, 0, 295, 211, Teal);
        EXPECT_ALL(desk, 0, 191, 295, 211, Teal);
        EXPECT_ALL(desk, 0, 0, 295, 0, Teal);
        EXPECT_ALL(desk, 0, 0, 0, 211, Teal);
        EXPECT_ALL(desk, 135, 0, 295, 27, Teal);
        // Something in each of the four columns' top cells and down the
        // left column.
        for (const QRect &cell : {QRect(1, 1, 33, 27), QRect(35, 1, 33, 27), QRect(69, 1, 33, 27),
                                  QRect(102, 1, 33, 27), QRect(1, 40, 33, 150)}) {
            int other = 0;
            for (int y = cell.top(); y <= cell.bottom(); ++y)
                for (int x = cell.left(); x <= cell.right(); ++x)
                    other += px(desk, x, y) != Teal;
            QVERIFY2(other > 40, qPrintable(QString("cell at %1, %2").arg(cell.x()).arg(cell.y())));
        }
    }

    // The light grey taskbar on rows 212..221.
    void desktopTaskbar()
    {
        EXPECT_ALL(desk, 0, 211, 295, 211, Teal);
        for (int y = 212; y <= 221; ++y) {
            qint64 sum[3] = {0, 0, 0};
            int face = 0;
            for (int x = 0; x < desk.width(); ++x) {
                for (int i = 0; i < 3; ++i)
                    sum[i] += channel(px(desk, x, y), i);
                face += px(desk, x, y) == Face;
            }
            for (int i = 0; i < 3; ++i)
                QVERIFY2(qAbs(sum[i] / desk.width() - channel(Face, i)) <= 25,
                         qPrintable(QString("row %1").arg(y)));
            if (y > 212 && y < 221)
                QVERIFY2(face > 0, qPrintable(QString("row %1").arg(y)));
        }
        // Start button at the left, the clock at the right: dark text.
        auto hasDark = [&](int x0, int x1) {
            for (int y = 213; y <= 220; ++y)
                for (int x = x0; x <= x1; ++x)
                    if (qGray(px(desk, x, y)) < 120)
                        return true;
            return false;
        };
        QVERIFY(hasDark(1, 27));
        QVERIFY(hasDark(270, 294));
    }

    // The small sorter window, frame (34, 28)-(157, 101), and its dark-to-
    // light title bar on the rows that the sorter-window picture leaves
    // uncovered.
    void desktopSorterWindow()
    {
        // Light top and left edges, dark bottom and right edges.
        for (int x = 40; x <= 150; ++x)
            QVERIFY(qGray(px(desk, x, 28)) > 200);
        for (int y = 40; y <= 95; ++y) {
            QVERIFY(qGray(px(desk, 34, y)) > 200);
            QVERIFY(qGray(px(desk, 157, y)) < 128);
            QCOMPARE(px(desk, 158, y), Teal);
        }
        for (int x = 40; x <= 157; ++x)
            QVERIFY(qGray(px(desk, x, 101)) < 128);
        EXPECT_ALL(desk, 135, 102, 157, 102, Teal);
        EXPECT_ALL(desk, 135, 27, 157, 27, Teal);

        // Title bar: dark blue at the left, light blue at the right,
        // brightening on the way.
        const int row = 30;
        QCOMPARE(px(desk, 37, row), TitleDark);
        QCOMPARE(px(desk, 154, row), TitleLight);
        for (int x = 37; x <= 154; ++x) {
            const QRgb c = px(desk, x, row);
            QVERIFY(qBlue(c) > qRed(c));
            for (int i = 0; i < 3; ++i)
                QVERIFY(channel(c, i) >= channel(px(desk, x - 1, row), i));
        }

        // White input boxes in the client area.
        int white = 0;
        for (int y = 40; y <= 100; ++y)
            for (int x = 36; x <= 155; ++x)
                white += px(desk, x, y) == White;
        QVERIFY2(white > 300, qPrintable(QString::number(white)));
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
