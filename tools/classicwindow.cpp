#include "classicwindow.h"

#include "fonts.h"
#include "icondrawing.h"

#include <QImage>

#include <utility>

namespace picturekit {

namespace {

// Layout of a window, relative to its frame's top-left pixel.
constexpr int TitleLeft = 4;
constexpr int TitleTop = 4;
constexpr int TitleHeight = 18;
constexpr int IconX = 6;
constexpr int IconY = 5;
constexpr int CaptionX = 24;
constexpr int CaptionBaseline = 16;  // bottom row of the capitals
constexpr int DotSize = 2;
constexpr int DotPitch = 4;          // a dot and a two-pixel gap
constexpr int EllipsisGap = 2;       // between the last letter and the first dot
constexpr int EllipsisWidth = EllipsisGap + 3 * DotPitch - 2;
constexpr int ButtonTop = 6;
constexpr int ButtonWidth = 16;
constexpr int ButtonHeight = 14;
constexpr int GradientStart = 22;    // the ramp runs from here to width - 58

// Caption buttons, left edge relative to the frame's right end.
constexpr int MinimiseFromRight = 56;
constexpr int MaximiseFromRight = 40;
constexpr int CloseFromRight = 22;

// First and last column with ink of text drawn at pen position x = 0.
std::pair<int, int> inkColumns(const QFont &font, const QString &text)
{
    const int margin = 16;
    QImage scratch(2 * margin + 12 * int(text.size()) + 16, 40, QImage::Format_RGB32);
    scratch.fill(Qt::black);
    {
        QPainter p(&scratch);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QPoint(margin, 24), text);
    }
    int first = -1;
    int last = -1;
    for (int x = 0; x < scratch.width(); ++x)
        for (int y = 0; y < scratch.height(); ++y)
            if (scratch.pixel(x, y) != qRgb(0, 0, 0)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first - margin, last - margin};
}

void fillSpan(QPainter &p, int x0, int y0, int x1, int y1, const QColor &c)
{
    p.fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), c);
}

// A one-pixel frame: the top row and left column, short of their far ends,
// in `topLeft`; the bottom row and right column in `bottomRight`.
void drawEdge(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    fillSpan(p, r.left(), r.top(), r.right() - 1, r.top(), topLeft);
    fillSpan(p, r.left(), r.top(), r.left(), r.bottom() - 1, topLeft);
    fillSpan(p, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    fillSpan(p, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

void drawCaptionButtons(QPainter &p, int right, int top)
{
    const int minX = right - MinimiseFromRight;
    const int maxX = right - MaximiseFromRight;
    const int closeX = right - CloseFromRight;
    const int y = top + ButtonTop;
    for (int x : {minX, maxX, closeX})
        drawRaisedBox(p, QRect(x, y, ButtonWidth, ButtonHeight));

    // Minimise: a 6 x 2 bar near the bottom.
    fillSpan(p, minX + 4, y + 9, minX + 9, y + 10, Qt::black);

    // Maximise: a 9 x 9 box, its top edge two rows thick.
    const int bx = maxX + 3;
    const int by = y + 2;
    fillSpan(p, bx, by, bx + 8, by + 1, Qt::black);
    fillSpan(p, bx, by + 8, bx + 8, by + 8, Qt::black);
    fillSpan(p, bx, by, bx, by + 8, Qt::black);
    fillSpan(p, bx + 8, by, bx + 8, by + 8, Qt::black);

    // Close: two crossing strokes two pixels wide, 8 x 7.
    const int cx = closeX + 4;
    const int cy = y + 3;
    for (int k = 0; k < 7; ++k) {
        fillSpan(p, cx + k, cy + k, cx + k + 1, cy + k, Qt::black);
        fillSpan(p, cx + 6 - k, cy + k, cx + 7 - k, cy + k, Qt::black);
    }
}

} // namespace

void drawRaisedBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, classic::Face);
    drawEdge(p, r.adjusted(1, 1, -1, -1), classic::Face, classic::Shadow);
    drawEdge(p, r, classic::Light, classic::DarkShadow);
}

void drawSunkenBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, Qt::white);
    drawEdge(p, r.adjusted(1, 1, -1, -1), classic::DarkShadow, classic::Face);
    drawEdge(p, r, classic::Shadow, classic::Light);
}

void drawPressedBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, classic::Face);
    // The inner grey line shares the outer edge's bottom row and right column.
    drawEdge(p, r.adjusted(1, 1, 0, 0), classic::Shadow, classic::Light);
    drawEdge(p, r, classic::DarkShadow, classic::Light);
}

void drawShallowBox(QPainter &p, const QRect &r)
{
    p.fillRect(r, classic::Face);
    drawEdge(p, r, classic::Shadow, classic::Light);
}

QString cutCaption(const QString &title, int width)
{
    const QFont font = captionFont();
    const auto full = inkColumns(font, title);
    if (full.second - full.first + 1 <= width)
        return title;
    for (int n = int(title.size()) - 1; n > 0; --n) {
        const QString prefix = title.left(n).trimmed();
        const auto ink = inkColumns(font, prefix);
        if (ink.second - ink.first + 1 + EllipsisWidth <= width)
            return prefix;
    }
    return QString();
}

QColor titleBarColour(int x, int frameWidth)
{
    const int rampEnd = frameWidth - 58;
    if (x <= GradientStart)
        return classic::TitleDark;
    if (x >= rampEnd)
        return classic::TitleLight;
    const int num = x - GradientStart;
    const int den = rampEnd - GradientStart;
    auto channel = [&](int from, int to) {
        // rounded to the nearest integer; to > from on every channel
        return from + ((to - from) * num * 2 + den) / (2 * den);
    };
    return QColor(channel(classic::TitleDark.red(), classic::TitleLight.red()),
                  channel(classic::TitleDark.green(), classic::TitleLight.green()),
                  channel(classic::TitleDark.blue(), classic::TitleLight.blue()));
}

void drawClassicWindow(QPainter &p, const QRect &frame, const QString &title)
{
    const int x0 = frame.left();
    const int y0 = frame.top();
    const int w = frame.width();

    // Raised frame: outer edge face-coloured at the top and left and dark at
    // the bottom and right, inner edge white and grey; face inside.
    p.fillRect(frame, classic::Face);
    drawEdge(p, frame.adjusted(1, 1, -1, -1), classic::Light, classic::Shadow);
    drawEdge(p, frame, classic::Face, classic::DarkShadow);

    // Title bar: one colour per column.
    for (int x = TitleLeft; x <= w - 5; ++x)
        p.fillRect(QRect(x0 + x, y0 + TitleTop, 1, TitleHeight), titleBarColour(x, w));

    p.drawImage(QPoint(x0 + IconX, y0 + IconY), programIcon16().toArgb());

    // The caption and its ellipsis end four columns before the minimise
    // button.
    const int captionLast = w - MinimiseFromRight - 5;
    const QFont font = captionFont();
    const QString shown = cutCaption(title, captionLast - CaptionX + 1);
    const auto ink = inkColumns(font, shown);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QPoint(x0 + CaptionX - ink.first, y0 + CaptionBaseline + 1), shown);
    if (shown != title) {
        const int textEnd = CaptionX + ink.second - ink.first;
        for (int i = 0; i < 3; ++i) {
            const int dx = textEnd + 1 + EllipsisGap + i * DotPitch;
            p.fillRect(QRect(x0 + dx, y0 + CaptionBaseline - 1, DotSize, DotSize), Qt::white);
        }
    }

    drawCaptionButtons(p, x0 + w, y0);
}

} // namespace picturekit
