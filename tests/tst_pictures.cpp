// The committed pictures of the demonstrator window: the flowchart behind
// the flowchart labels and lines, the empty sorter window behind the live
// controls, and the desktop around it. Most of what their drawing keeps is
// one table of pixel rules; the slanted and rounded blocks, the title
// text and the icon in the title bar have checks of their own. The
// pictures with texts in them are drawn in English too (en/), by the same
// rules.

#include "pixelrules.h"
#include "sourcetree.h"

#include <QFile>
#include <QtEndian>
#include <QtTest>

#include <utility>

using namespace colours;

namespace {


QImage loadPicture(const QString &name)
{
    QImage img(sourcePath("demo/pictures/" + name));
    return img.convertToFormat(QImage::Format_RGB32);
}

// A picture by its name and those of its English twin, where it has texts.
QStringList inEachLanguage(const QString &picture)
{
    if (picture == QLatin1String("flowchart"))
        return {picture};
    return {picture, "en/" + picture};
}

QRgb px(const QImage &img, int x, int y) { return img.pixel(x, y); }

// Maximal runs [first, last] of black pixels in row y between x0 and x1.
QList<std::pair<int, int>> blackRuns(const QImage &img, int y, int x0, int x1)
{
    QList<std::pair<int, int>> out;
    for (int x = x0; x <= x1; ++x) {
        if (px(img, x, y) != Black)
            continue;
        if (!out.isEmpty() && out.last().second == x - 1)
            out.last().second = x;
        else
            out.append({x, x});
    }
    return out;
}

#define EXPECT_RULE(img, rule)                                                   \
    do {                                                                         \
        const QString bad_ = broken(img, rule);                                  \
        QVERIFY2(bad_.isEmpty(), qPrintable(bad_));                              \
    } while (false)

using Runs = QList<std::pair<int, int>>;

struct Rule
{
    const char *picture;
    const char *what;
    PixelRule rule;
};

// The flowchart: decision 1 with its boxes and branches, the blocks' rows
// and the gaps between them; the other decisions, blocks and the end
// terminal are copies.
const Rule kFlowchartRules[] = {
    {"flowchart", "white, black and cyan only", palette(span(0, 0, 265, 530), {White, Black, Cyan})},
    {"flowchart", "top margin", fill(span(0, 0, 265, 7), White)},
    {"flowchart", "bottom margin", fill(span(0, 521, 265, 530), White)},
    {"flowchart", "left margin", fill(span(0, 0, 6, 530), White)},
    {"flowchart", "right margin", fill(span(255, 0, 265, 530), White)},
    {"flowchart", "start terminal, top edge", runs(span(40, 8, 170, 8), Black, "61-145")},
    {"flowchart", "start terminal, top edge, row 2", runs(span(40, 9, 170, 9), Black, "59-147")},
    {"flowchart", "start terminal, bottom edge", runs(span(40, 23, 170, 23), Black, "58-148")},
    {"flowchart", "start terminal, bottom edge, row 2", runs(span(40, 24, 170, 24), Black, "60-146")},
    {"flowchart", "no line to input block 1", fill(span(0, 25, 265, 31), White)},
    {"flowchart", "no line to input block 2", fill(span(0, 49, 265, 55), White)},
    {"flowchart", "input block 2 and 3 are copies", same(span(0, 32, 265, 55), {0, 24})},
    {"flowchart", "input block 3 is a copy", same(span(0, 32, 265, 48), {0, 48})},
    {"flowchart", "no line to decision 1", fill(span(0, 97, 265, 103), White)},
    {"flowchart", "decision 1, middle row with the branches", runs(span(0, 120, 265, 120), Black, "7-17 189-207")},
    {"flowchart", "no branch, down the left side", runs(span(7, 119, 7, 201), Black, "120-200")},
    {"flowchart", "left of the no branch", fill(span(6, 119, 6, 201), White)},
    {"flowchart", "yes branch, between the boxes", runs(span(207, 119, 207, 201), Black, "120-128 144-152 168-176 192-200")},
    {"flowchart", "right of the yes branch, above box 1", fill(span(190, 121, 206, 127), White)},
    {"flowchart", "right of the yes branch, above box 1", fill(span(208, 104, 265, 127), White)},
    {"flowchart", "action box 1, top edge", fill(span(159, 128, 254, 128), Black)},
    {"flowchart", "action box 1, bottom edge", fill(span(159, 144, 254, 144), Black)},
    {"flowchart", "action box 1, left edge", fill(span(159, 128, 159, 144), Black)},
    {"flowchart", "action box 1, right edge", fill(span(254, 128, 254, 144), Black)},
    {"flowchart", "action box 1, cyan over the yes branch", fill(span(160, 129, 253, 143), Cyan)},
    {"flowchart", "left of the action boxes", fill(span(158, 128, 158, 199), White)},
    {"flowchart", "gap under action box 1", fill(span(159, 145, 206, 151), White)},
    {"flowchart", "gap under action box 1", fill(span(208, 145, 265, 151), White)},
    {"flowchart", "action box 2 is a copy", same(span(159, 128, 265, 151), {0, 24})},
    {"flowchart", "action box 3 is a copy", same(span(159, 128, 265, 151), {0, 48})},
    {"flowchart", "between the branches", fill(span(8, 137, 158, 199), White)},
    {"flowchart", "join row", runs(span(0, 200, 265, 200), Black, "7-207")},
    {"flowchart", "right of the join row", fill(span(208, 200, 265, 200), White)},
    {"flowchart", "centre line to decision 2", runs(span(103, 193, 103, 217), Black, "200-216")},
    {"flowchart", "left of the centre line", fill(span(0, 201, 102, 215), White)},
    {"flowchart", "right of the centre line", fill(span(104, 201, 265, 215), White)},
    {"flowchart", "decision group 2 is a copy", same(span(0, 104, 265, 215), {0, 112})},
    {"flowchart", "decision group 3 is a copy", same(span(0, 104, 265, 207), {0, 224})},
    {"flowchart", "centre line to output block 1", runs(span(103, 417, 103, 433), Black, "424-432")},
    {"flowchart", "beside the last centre line", fill(span(0, 425, 102, 431), White)},
    {"flowchart", "beside the last centre line", fill(span(104, 425, 265, 431), White)},
    {"flowchart", "three rows free under output block 1", fill(span(0, 449, 265, 451), White)},
    {"flowchart", "stub to output block 2", runs(span(103, 449, 103, 457), Black, "452-456")},
    {"flowchart", "beside the stub", fill(span(0, 452, 102, 455), White)},
    {"flowchart", "beside the stub", fill(span(104, 452, 265, 455), White)},
    {"flowchart", "output block 2 and its stub are copies", same(span(0, 432, 265, 455), {0, 24})},
    {"flowchart", "output block 3 is a copy", same(span(0, 432, 265, 448), {0, 48})},
    {"flowchart", "no line to the end terminal", fill(span(0, 497, 265, 503), White)},
    {"flowchart", "the end terminal is a copy", same(span(0, 8, 265, 24), {0, 496})},
};

// The sorter window: a raised frame, the title bar's gradient under the
// icon, the text and three raised caption buttons, an empty client area.
const Rule kSorterWindowRules[] = {
    {"sorter_window", "outer edge, top", fill(span(0, 0, 241, 0), Face)},
    {"sorter_window", "outer edge, left", fill(span(0, 0, 0, 161), Face)},
    {"sorter_window", "inner edge, top", fill(span(1, 1, 240, 1), White)},
    {"sorter_window", "inner edge, left", fill(span(1, 1, 1, 160), White)},
    {"sorter_window", "inner edge, bottom", fill(span(1, 161, 241, 161), Grey)},
    {"sorter_window", "inner edge, right", fill(span(241, 1, 241, 161), Grey)},
    {"sorter_window", "outer edge, bottom", fill(span(0, 162, 242, 162), DarkGrey)},
    {"sorter_window", "outer edge, right", fill(span(242, 0, 242, 162), DarkGrey)},
    {"sorter_window", "frame face, top", fill(span(2, 2, 240, 3), Face)},
    {"sorter_window", "frame face, left", fill(span(2, 2, 3, 160), Face)},
    {"sorter_window", "frame face, right", fill(span(239, 2, 240, 160), Face)},
    {"sorter_window", "frame face, bottom", fill(span(2, 159, 240, 160), Face)},
    {"sorter_window", "the row under the title bar", fill(span(2, 22, 240, 22), Face)},
    {"sorter_window", "empty client area", fill(span(4, 23, 238, 158), Face)},
    {"sorter_window", "title bar, dark end", fill(span(4, 4, 22, 4), TitleDark)},
    {"sorter_window", "title bar, straight ramp", ramp(span(22, 4, 185, 4), TitleDark, TitleLight, 1)},
    {"sorter_window", "title bar, light end", fill(span(185, 4, 238, 4), TitleLight)},
    {"sorter_window", "title bar, the last row as the first", same(span(4, 4, 238, 4), {0, 17})},
    {"sorter_window", "title bar, bare columns at the left", same(span(4, 4, 5, 20), {0, 1})},
    {"sorter_window", "title bar, bare columns before the text", same(span(22, 4, 23, 20), {0, 1})},
    {"sorter_window", "title bar, bare columns after the text", same(span(183, 4, 186, 20), {0, 1})},
    {"sorter_window", "title bar, bare columns before close", same(span(219, 4, 220, 20), {0, 1})},
    {"sorter_window", "title bar, bare columns at the right", same(span(237, 4, 238, 20), {0, 1})},
    {"sorter_window", "title bar above the buttons", same(span(187, 4, 236, 4), {0, 1})},
    {"sorter_window", "title bar below the buttons", same(span(187, 4, 236, 4), {0, 16})},
    {"sorter_window", "minimise button", art({187, 6},
        "WWWWWWWWWWWWWWWD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD "
        "WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD "
        "WFFFFFFFFFFFFFGD WFFFKKKKKKFFFFGD WFFFKKKKKKFFFFGD WFFFFFFFFFFFFFGD "
        "WGGGGGGGGGGGGGGD DDDDDDDDDDDDDDDD")},
    {"sorter_window", "maximise button", art({203, 6},
        "WWWWWWWWWWWWWWWD WFFFFFFFFFFFFFGD WFFKKKKKKKKKFFGD WFFKKKKKKKKKFFGD "
        "WFFKFFFFFFFKFFGD WFFKFFFFFFFKFFGD WFFKFFFFFFFKFFGD WFFKFFFFFFFKFFGD "
        "WFFKFFFFFFFKFFGD WFFKFFFFFFFKFFGD WFFKKKKKKKKKFFGD WFFFFFFFFFFFFFGD "
        "WGGGGGGGGGGGGGGD DDDDDDDDDDDDDDDD")},
    {"sorter_window", "close button", art({221, 6},
        "WWWWWWWWWWWWWWWD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD WFFFKKFFFFKKFFGD "
        "WFFFFKKFFKKFFFGD WFFFFFKKKKFFFFGD WFFFFFFKKFFFFFGD WFFFFFKKKKFFFFGD "
        "WFFFFKKFFKKFFFGD WFFFKKFFFFKKFFGD WFFFFFFFFFFFFFGD WFFFFFFFFFFFFFGD "
        "WGGGGGGGGGGGGGGD DDDDDDDDDDDDDDDD")},
};

// The desktop: teal, smoothed into thousands of colours, icons over the left
// half, the small sorter window in the upper left, the light grey taskbar.
const Rule kDesktopRules[] = {
    {"desktop", "teal over more than half", atLeast(span(0, 0, 295, 221), Teal, 296 * 222 / 2)},
    {"desktop", "thousands of colours", varied(span(0, 0, 295, 221), 2000)},
    {"desktop", "bare right of the icons and the window", fill(span(158, 0, 295, 211), Teal)},
    {"desktop", "bare below the icons", fill(span(0, 191, 295, 211), Teal)},
    {"desktop", "bare top row", fill(span(0, 0, 295, 0), Teal)},
    {"desktop", "bare left column", fill(span(0, 0, 0, 211), Teal)},
    {"desktop", "bare above the window", fill(span(135, 0, 295, 27), Teal)},
    {"desktop", "icon column 1", besides(QRect(1, 1, 33, 27), Teal, 41)},
    {"desktop", "icon column 2", besides(QRect(35, 1, 33, 27), Teal, 41)},
    {"desktop", "icon column 3", besides(QRect(69, 1, 33, 27), Teal, 41)},
    {"desktop", "icon column 4", besides(QRect(102, 1, 33, 27), Teal, 41)},
    {"desktop", "icons down the left", besides(QRect(1, 40, 33, 150), Teal, 41)},
    {"desktop", "taskbar, light grey", atLeast(span(0, 213, 295, 220), Face, 1000)},
    {"desktop", "taskbar, start button", besides(span(1, 213, 27, 220), Face, 50)},
    {"desktop", "taskbar, clock", besides(span(270, 213, 294, 220), Face, 50)},
    {"desktop", "window, light top edge", gray(span(40, 28, 150, 28), 201, 255)},
    {"desktop", "window, light left edge", gray(span(34, 40, 34, 95), 201, 255)},
    {"desktop", "window, dark right edge", gray(span(157, 40, 157, 95), 0, 127)},
    {"desktop", "window, dark bottom edge", gray(span(40, 101, 157, 101), 0, 127)},
    {"desktop", "bare right of the window", fill(span(158, 40, 158, 95), Teal)},
    {"desktop", "bare below the window", fill(span(135, 102, 157, 102), Teal)},
    {"desktop", "window, dark to light title bar", ramp(span(37, 30, 154, 30), TitleDark, TitleLight, 255)},
    {"desktop", "window, white input boxes", atLeast(span(36, 40, 155, 100), White, 301)},
};

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

    QHash<QString, QImage> pictures; // by name: "flowchart", "en/desktop"
    QImage flow;

    static QRgb titleColour(const QImage &sorter, int x) { return px(sorter, x, 4); }

private slots:
    void initTestCase()
    {
        for (const char *picture : {"flowchart", "sorter_window", "desktop"})
            for (const QString &name : inEachLanguage(picture)) {
                pictures.insert(name, loadPicture(name + ".bmp"));
                QVERIFY2(!pictures[name].isNull(), qPrintable(name));
            }
        flow = pictures["flowchart"];
    }

    void bmpFormat_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("bytes");
        QTest::newRow("flowchart") << "flowchart.bmp" << 266 << 531 << 424854;
        QTest::newRow("sorter window") << "sorter_window.bmp" << 243 << 163 << 119370;
        QTest::newRow("desktop") << "desktop.bmp" << 296 << 222 << 197190;
        QTest::newRow("sorter window, English") << "en/sorter_window.bmp" << 243 << 163 << 119370;
        QTest::newRow("desktop, English") << "en/desktop.bmp" << 296 << 222 << 197190;
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

    void rules_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("index");
        for (const auto &[table, size] : {std::pair(kFlowchartRules, std::size(kFlowchartRules)),
                                          std::pair(kSorterWindowRules, std::size(kSorterWindowRules)),
                                          std::pair(kDesktopRules, std::size(kDesktopRules))})
            for (std::size_t i = 0; i < size; ++i)
                for (const QString &name : inEachLanguage(table[i].picture))
                    QTest::addRow("%s: %s", qPrintable(name), table[i].what) << name << int(i);
    }

    void rules()
    {
        QFETCH(QString, picture);
        QFETCH(int, index);
        const QImage &img = pictures[picture];
        if (picture == QLatin1String("flowchart"))
            EXPECT_RULE(img, kFlowchartRules[index].rule);
        else if (picture.endsWith(QLatin1String("sorter_window")))
            EXPECT_RULE(img, kSorterWindowRules[index].rule);
        else
            EXPECT_RULE(img, kDesktopRules[index].rule);
    }

    // The start terminal: half-circle ends two to three pixels thick, that
    // reach x 55 and x 151 on rows t+6..t+10 only; white inside.
    void capsule()
    {
        const int t = 8;
        for (int y = t + 2; y <= t + 14; ++y) {
            const Runs r = blackRuns(flow, y, 40, 170);
            QVERIFY2(r.size() == 2, qPrintable(QString("row %1").arg(y)));
            const bool widest = y >= t + 6 && y <= t + 10;
            QCOMPARE(r[0].first == 55, widest);
            QCOMPARE(r[1].second == 151, widest);
            QVERIFY(r[0].first >= 55 && r[1].second <= 151);
            const int thick = r[0].second - r[0].first + 1;
            QVERIFY2(thick >= 2 && thick <= 3, qPrintable(QString("row %1").arg(y)));
            QCOMPARE(r[1].second - r[1].first + 1, thick);
            QCOMPARE(r[0].first + r[1].second, 2 * 103);
            EXPECT_RULE(flow, fill(span(r[0].second + 1, y, r[1].first - 1, y), White));
        }
    }

    void parallelogram_data()
    {
        QTest::addColumn<int>("t");
        QTest::addColumn<QRgb>("inside");
        QTest::newRow("input block 1") << 32 << White;
        QTest::newRow("output block 1") << 432 << Cyan;
    }

    void parallelogram()
    {
        QFETCH(int, t);
        QFETCH(QRgb, inside);
        QCOMPARE(blackRuns(flow, t, 40, 170), Runs({{63, 151}}));
        QCOMPARE(blackRuns(flow, t + 16, 40, 170), Runs({{55, 143}}));

        // Both sides slant down to the left by 8 pixels, one pixel every two
        // rows, and stay 88 pixels apart.
        int previousLeft = 63;
        bool steppedLastRow = false;
        for (int y = t + 1; y <= t + 15; ++y) {
            const Runs r = blackRuns(flow, y, 40, 170);
            QVERIFY2(r.size() == 2, qPrintable(QString("row %1").arg(y)));
            QCOMPARE(r[0].first, r[0].second);
            QCOMPARE(r[1].first, r[1].second);
            QCOMPARE(r[1].first - r[0].first, 88);
            const int step = previousLeft - r[0].first;
            QVERIFY2(step == 0 || (step == 1 && !steppedLastRow), qPrintable(QString("row %1").arg(y)));
            steppedLastRow = step == 1;
            previousLeft = r[0].first;
            EXPECT_RULE(flow, fill(span(r[0].first + 1, y, r[1].first - 1, y), inside));
        }
        QCOMPARE(previousLeft - 55, steppedLastRow ? 0 : 1);

        // Nothing beside the block but the centre line's stubs.
        for (int y : {t - 1, t + 17}) {
            EXPECT_RULE(flow, fill(span(40, y, 102, y), White));
            EXPECT_RULE(flow, fill(span(104, y, 170, y), White));
        }
    }

    void diamond()
    {
        const int c = 120; // decision 1
        // Flats of five pixels at the top and bottom vertices.
        QCOMPARE(blackRuns(flow, c - 16, 9, 157), Runs({{101, 105}}));
        QCOMPARE(blackRuns(flow, c + 16, 9, 157), Runs({{101, 105}}));

        // On the 15 rows between a flat and the middle row, each side is a
        // run of 6 or 5 pixels (6 next to the flat, then alternating); the
        // runs follow each other without gaps from the flat to the vertex.
        for (int sign : {-1, 1}) {
            int nextEnd = 100;
            for (int d = 1; d <= 15; ++d) {
                const int y = c + sign * (16 - d);
                const int scanRight = y >= c + 8 ? 157 : 205; // the action boxes start at x 159
                const Runs r = blackRuns(flow, y, 9, scanRight);
                const QString where = QString("row %1").arg(y);
                QVERIFY2(r.size() == 2, qPrintable(where));
                QVERIFY2(r[0].second == nextEnd, qPrintable(where));
                QCOMPARE(r[0].second - r[0].first + 1, d % 2 ? 6 : 5);
                QCOMPARE(r[1].first, 206 - r[0].second);
                QCOMPARE(r[1].second, 206 - r[0].first);
                EXPECT_RULE(flow, fill(span(r[0].second + 1, y, r[1].first - 1, y), Cyan));
                QCOMPARE(px(flow, r[0].first - 1, y), White);
                nextEnd = r[0].first - 1;
            }
            QCOMPARE(nextEnd, 17);
        }

        // Middle row: the left and right vertices, cyan between.
        QCOMPARE(px(flow, 17, c), Black);
        QCOMPARE(px(flow, 189, c), Black);
        EXPECT_RULE(flow, fill(span(18, c, 188, c), Cyan));
    }

    void titleBarIcon_data()
    {
        QTest::addColumn<QString>("picture");
        for (const QString &name : inEachLanguage("sorter_window"))
            QTest::newRow(qPrintable(name)) << name;
    }

    // The 16 x 16 program icon in its cell at x 6..21, y 5..20; its
    // transparent pixels show the title bar.
    void titleBarIcon()
    {
        QFETCH(QString, picture);
        const QImage &sorter = pictures[picture];
        const QImage icon = QImage(sourcePath("icon/program-16.png")).convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(icon.size(), QSize(16, 16));
        int opaque = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb want = qAlpha(icon.pixel(x, y)) == 255 ? (icon.pixel(x, y) | 0xff000000u)
                                                                   : titleColour(sorter, 6 + x);
                opaque += qAlpha(icon.pixel(x, y)) == 255;
                QVERIFY2(px(sorter, 6 + x, 5 + y) == want,
                         qPrintable(QString("icon pixel (%1, %2)").arg(x).arg(y)));
            }
        QVERIFY(opaque > 50);
    }

    void titleText_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("lastColumn");
        // Cut where the ellipsis still ends by x 182: the Russian title
        // fills the room, the English one is a column short of it.
        QTest::newRow("sorter_window") << "sorter_window" << 182;
        QTest::newRow("en/sorter_window") << "en/sorter_window" << 181;
    }

    // White, bold, not smoothed: x 24..182; capitals on rows 9..16, the
    // parenthesis and descenders down to row 18; an ellipsis of three
    // 2 x 2 dots at the end.
    void titleText()
    {
        QFETCH(QString, picture);
        QFETCH(int, lastColumn);
        const QImage &sorter = pictures[picture];
        int minX = 999, maxX = -1, minY = 999, maxY = -1;
        for (int y = 4; y <= 21; ++y)
            for (int x = 22; x <= 186; ++x) {
                const QRgb c = px(sorter, x, y);
                QVERIFY2(c == White || c == titleColour(sorter, x),
                         qPrintable(QString("(%1, %2) is %3").arg(x).arg(y).arg(c, 8, 16)));
                if (c == White) {
                    minX = qMin(minX, x);
                    maxX = qMax(maxX, x);
                    minY = qMin(minY, y);
                    maxY = qMax(maxY, y);
                }
            }
        QCOMPARE(minX, 24);
        QCOMPARE(maxX, lastColumn);
        QCOMPARE(minY, 8);
        QCOMPARE(maxY, 18);

        // Column groups of text, from left to right.
        QList<std::pair<int, int>> groups;
        for (int x = 24; x <= lastColumn; ++x) {
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

};

QTEST_GUILESS_MAIN(PicturesTest)
#include "tst_pictures.moc"
