// The flowchart of the three-number sort: start terminal, three input
// blocks, three decision groups, three output blocks and the end terminal,
// in one column of blocks centred on x 103.
//
// The connectors from the start terminal down to decision 1 and from
// output block 1 down to the end terminal are not part of the picture: the
// window's own line controls draw them (one pixel to the right of the
// picture's lines), together with a second copy of the diamond outlines.

#include "pictures.h"

namespace picturekit {

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb Black = 0xff000000;
constexpr QRgb Cyan = 0xff00ffff;

constexpr int Width = 266;
constexpr int Height = 531;
constexpr int CentreX = 103;    // the column of blocks is symmetric about it
constexpr int DecisionPitch = 112;
constexpr int BlockPitch = 24;  // input blocks and output blocks

class Canvas
{
public:
    explicit Canvas(QImage &image) : img(image) {}
    void dot(int x, int y, QRgb c) { img.setPixel(x, y, c); }
    void hline(int x0, int x1, int y, QRgb c)
    {
        for (int x = x0; x <= x1; ++x)
            dot(x, y, c);
    }
    void vline(int x, int y0, int y1, QRgb c)
    {
        for (int y = y0; y <= y1; ++y)
            dot(x, y, c);
    }
    // A dot and its mirror image across the centre column.
    void mirrored(int x, int y, QRgb c)
    {
        dot(x, y, c);
        dot(2 * CentreX - x, y, c);
    }

private:
    QImage &img;
};

// Capsule, 97 x 17 at x 55..151, drawn with a two-pixel pen: straight top
// and bottom edges two rows thick and half-circle ends two to three pixels
// thick. Each entry is the left half of one row, outer..inner column; the
// right half mirrors it. Rows that run to the centre are the straight edges.
void capsule(Canvas &c, int top)
{
    static const int rows[17][2] = {
        {61, CentreX}, {59, CentreX},                       // top edge
        {57, 59}, {56, 58}, {56, 57}, {56, 57},
        {55, 56}, {55, 56}, {55, 56}, {55, 56}, {55, 56},   // the end's widest rows
        {56, 57}, {56, 57}, {56, 58}, {57, 59},
        {58, CentreX}, {60, CentreX},                       // bottom edge
    };
    for (int r = 0; r < 17; ++r)
        for (int x = rows[r][0]; x <= rows[r][1]; ++x)
            c.mirrored(x, top + r, Black);
}

// Parallelogram, 97 x 17: top edge x 63..151, bottom edge x 55..143, both
// sides slanting down to the left by one pixel every two rows.
void parallelogram(Canvas &c, int top, QRgb inside)
{
    for (int k = 0; k <= 16; ++k) {
        const int left = 63 - k / 2;
        const int right = 151 - k / 2;
        if (k == 0 || k == 16) {
            c.hline(left, right, top + k, Black);
        } else {
            c.dot(left, top + k, Black);
            c.dot(right, top + k, Black);
            c.hline(left + 1, right - 1, top + k, inside);
        }
    }
}

// Diamond, 173 x 33, around the middle row: five-pixel flats at the top and
// bottom (x 101..105), the vertices (17, mid) and (189, mid), and on each of
// the 15 rows between a flat and the middle row a run of 6 or 5 pixels per
// side (6 next to the flat, then alternating). Cyan inside.
void diamond(Canvas &c, int mid)
{
    c.hline(CentreX - 2, CentreX + 2, mid - 16, Black);
    c.hline(CentreX - 2, CentreX + 2, mid + 16, Black);

    int runEnd = CentreX - 3; // the left run next to the flat ends here
    for (int d = 1; d <= 15; ++d) {
        const int length = d % 2 ? 6 : 5;
        const int runStart = runEnd - length + 1;
        for (int y : {mid - 16 + d, mid + 16 - d}) {
            for (int x = runStart; x <= runEnd; ++x)
                c.mirrored(x, y, Black);
            c.hline(runEnd + 1, 2 * CentreX - runEnd - 1, y, Cyan);
        }
        runEnd = runStart - 1;
    }
    // runEnd is now the left vertex's column
    c.mirrored(runEnd, mid, Black);
    c.hline(runEnd + 1, 2 * CentreX - runEnd - 1, mid, Cyan);
}

// Action box, 96 x 17 at x 159..254, cyan inside.
void actionBox(Canvas &c, int top)
{
    c.hline(159, 254, top, Black);
    c.hline(159, 254, top + 16, Black);
    for (int y = top + 1; y < top + 16; ++y) {
        c.dot(159, y, Black);
        c.hline(160, 253, y, Cyan);
        c.dot(254, y, Black);
    }
}

// One decision group around the diamond's middle row: the no branch out of
// the left vertex and down the left side, the yes branch out of the right
// vertex and down through the three action boxes, the join row, and the
// centre line going on down to the row before centreEnd + 1.
void decisionGroup(Canvas &c, int mid, int centreEnd)
{
    const int join = mid + 80;
    c.hline(7, 16, mid, Black);
    c.vline(7, mid, join, Black);
    c.hline(190, 207, mid, Black);
    c.vline(207, mid, join, Black);
    c.hline(7, 207, join, Black);
    c.vline(CentreX, join + 1, centreEnd, Black);

    diamond(c, mid);
    // The boxes go on top of the yes branch, which shows only between them.
    for (int box = 0; box < 3; ++box)
        actionBox(c, mid + 8 + box * 24);
}

} // namespace

QImage flowchartPicture()
{
    QImage img(Width, Height, QImage::Format_RGB32);
    img.fill(White);
    Canvas c(img);

    const int startTop = 8;
    const int firstInputTop = 32;
    const int firstDecision = 120;
    const int firstOutputTop = 432;
    const int endTop = startTop + 496;

    capsule(c, startTop);
    for (int i = 0; i < 3; ++i)
        parallelogram(c, firstInputTop + i * BlockPitch, White);

    for (int i = 0; i < 3; ++i) {
        const int mid = firstDecision + i * DecisionPitch;
        // The centre line ends on the next diamond's top vertex, after the
        // last decision on the top edge of output block 1.
        const int centreEnd = i < 2 ? mid + DecisionPitch - 17 : firstOutputTop - 1;
        decisionGroup(c, mid, centreEnd);
    }

    for (int i = 0; i < 3; ++i) {
        const int top = firstOutputTop + i * BlockPitch;
        parallelogram(c, top, Cyan);
        // Four-pixel stubs up from the next output block's top edge.
        if (i < 2)
            c.vline(CentreX, top + BlockPitch - 4, top + BlockPitch - 1, Black);
    }
    capsule(c, endTop);
    return img;
}

} // namespace picturekit
