// The pictograms of the pictured desktop, each drawn on a 32 x 32 grid that
// is mapped onto the cell it is painted into.

#include "pictograms.h"

#include "icondrawing.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace picturekit {

namespace {

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient diagonal(const QRectF &r, const QColor &from, const QColor &to)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

QRadialGradient radial(const QPointF &centre, qreal radius, const QColor &inner,
                       const QColor &outer)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, inner);
    g.setColorAt(1, outer);
    return g;
}

// r is the icon's 32 x 32 cell; u maps cell units to painter coordinates.
QRectF sub(const QRectF &r, qreal x, qreal y, qreal w, qreal h)
{
    const qreal u = r.width() / 32.0;
    return QRectF(r.x() + x * u, r.y() + y * u, w * u, h * u);
}

QPointF at(const QRectF &r, qreal x, qreal y)
{
    const qreal u = r.width() / 32.0;
    return QPointF(r.x() + x * u, r.y() + y * u);
}

// An ellipse in the cell r with a one-unit outline.
void outlinedEllipse(QPainter &p, const QRectF &r, const QRectF &shape, const QColor &outline,
                     const QBrush &fill)
{
    p.setPen(QPen(outline, r.width() / 32.0));
    p.setBrush(fill);
    p.drawEllipse(shape);
}

// A box with rounded corners in the cell r, with a one-unit outline,
// shaded from top to bottom.
void roundedBox(QPainter &p, const QRectF &r, const QRectF &box, const QColor &outline,
                const QColor &top, const QColor &bottom)
{
    p.setPen(QPen(outline, r.width() / 32.0));
    p.setBrush(vertical(box, top, bottom));
    p.drawRoundedRect(box, 2, 2);
}

} // namespace

namespace pictogram {

Pictogram folder(QColor base)
{
    return [base](QPainter &p, const QRectF &r) {
        const QColor dark = base.darker(160);
        p.setPen(QPen(dark, r.width() / 32.0));
        p.setBrush(base.darker(115));
        p.drawRoundedRect(sub(r, 2, 6, 12, 6), 1.5, 1.5);
        const QRectF body = sub(r, 2, 9, 28, 19);
        p.setBrush(vertical(body, base.lighter(135), base.darker(110)));
        p.drawRoundedRect(body, 1.5, 1.5);
    };
}

Pictogram document(QColor ink)
{
    return [ink](QPainter &p, const QRectF &r) {
        QPainterPath page;
        page.moveTo(at(r, 7, 2));
        page.lineTo(at(r, 20, 2));
        page.lineTo(at(r, 26, 8));
        page.lineTo(at(r, 26, 30));
        page.lineTo(at(r, 7, 30));
        page.closeSubpath();
        p.setPen(QPen(QColor(90, 90, 90), r.width() / 32.0));
        p.setBrush(diagonal(r, Qt::white, QColor(205, 210, 220)));
        p.drawPath(page);
        p.setBrush(QColor(170, 170, 175));
        p.drawPolygon(QPolygonF({at(r, 20, 2), at(r, 20, 8), at(r, 26, 8)}));
        p.setPen(QPen(ink, r.width() / 24.0));
        for (int i = 0; i < 6; ++i)
            p.drawLine(at(r, 10, 12 + 3 * i), at(r, i % 2 ? 20 : 23, 12 + 3 * i));
    };
}

Pictogram programIcon()
{
    return [](QPainter &p, const QRectF &r) {
        p.drawImage(r, programIcon32().toArgb());
    };
}

Pictogram monitor()
{
    return [](QPainter &p, const QRectF &r) {
        roundedBox(p, r, sub(r, 3, 3, 26, 20), QColor(60, 60, 60), QColor(235, 232, 225),
                   QColor(160, 155, 150));
        const QRectF screen = sub(r, 6, 6, 20, 14);
        p.setBrush(diagonal(screen, QColor(40, 140, 220), QColor(0, 20, 110)));
        p.drawRect(screen);
        p.setBrush(vertical(r, QColor(200, 196, 188), QColor(120, 118, 110)));
        p.drawRect(sub(r, 13, 23, 6, 3));
        p.drawRoundedRect(sub(r, 7, 26, 18, 4), 1, 1);
    };
}

Pictogram globe()
{
    return [](QPainter &p, const QRectF &r) {
        const QRectF ball = sub(r, 3, 3, 26, 26);
        outlinedEllipse(p, r, ball, QColor(10, 40, 100),
                        radial(at(r, 11, 10), r.width() * 0.6, QColor(170, 220, 255),
                               QColor(10, 60, 160)));
        QPainterPath clip;
        clip.addEllipse(ball);
        p.save();
        p.setClipPath(clip);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(r, QColor(120, 200, 80), QColor(30, 110, 30)));
        p.drawEllipse(sub(r, 6, 7, 11, 8));
        p.drawEllipse(sub(r, 15, 16, 12, 9));
        p.drawEllipse(sub(r, 22, 6, 6, 5));
        p.restore();
    };
}

Pictogram bin()
{
    return [](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(70, 70, 70), r.width() / 32.0));
        QPainterPath body;
        body.moveTo(at(r, 7, 8));
        body.lineTo(at(r, 25, 8));
        body.lineTo(at(r, 23, 30));
        body.lineTo(at(r, 9, 30));
        body.closeSubpath();
        QLinearGradient metal(at(r, 7, 0), at(r, 25, 0));
        metal.setColorAt(0, QColor(150, 155, 160));
        metal.setColorAt(0.4, QColor(240, 242, 245));
        metal.setColorAt(1, QColor(110, 115, 120));
        p.setBrush(metal);
        p.drawPath(body);
        p.drawRoundedRect(sub(r, 5, 5, 22, 3), 1, 1);
        for (int i = 0; i < 3; ++i)
            p.drawLine(at(r, 12 + 4 * i, 11), at(r, 12 + 4 * i, 27));
    };
}

Pictogram book(QColor cover)
{
    return [cover](QPainter &p, const QRectF &r) {
        p.setPen(QPen(cover.darker(200), r.width() / 32.0));
        p.setBrush(Qt::white);
        p.drawRect(sub(r, 8, 4, 19, 25));
        const QRectF front = sub(r, 5, 2, 19, 26);
        p.setBrush(diagonal(front, cover.lighter(150), cover.darker(140)));
        p.drawRect(front);
        p.setBrush(cover.darker(170));
        p.drawRect(sub(r, 5, 2, 3, 26));
        p.setPen(QPen(QColor(250, 230, 120), r.width() / 20.0));
        p.drawLine(at(r, 11, 9), at(r, 21, 9));
        p.drawLine(at(r, 11, 12), at(r, 19, 12));
    };
}

Pictogram chart()
{
    return [](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(80, 80, 80), r.width() / 32.0));
        p.setBrush(vertical(r, Qt::white, QColor(220, 225, 235)));
        p.drawRect(sub(r, 3, 3, 26, 26));
        const QColor bars[] = {QColor(220, 40, 40), QColor(40, 170, 60), QColor(40, 80, 210),
                               QColor(240, 170, 20)};
        const int heights[] = {10, 18, 14, 21};
        for (int i = 0; i < 4; ++i) {
            const QRectF bar = sub(r, 6 + 5.5 * i, 26 - heights[i], 4, heights[i]);
            p.setBrush(vertical(bar, bars[i].lighter(140), bars[i].darker(130)));
            p.drawRect(bar);
        }
    };
}

Pictogram calculator()
{
    return [](QPainter &p, const QRectF &r) {
        roundedBox(p, r, sub(r, 6, 2, 20, 28), QColor(30, 30, 30), QColor(110, 110, 120),
                   QColor(40, 40, 50));
        p.setBrush(vertical(r, QColor(200, 230, 180), QColor(140, 180, 120)));
        p.drawRect(sub(r, 9, 5, 14, 6));
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col) {
                p.setBrush(col == 2 && row == 3 ? QColor(230, 120, 40) : QColor(220, 220, 215));
                p.drawRect(sub(r, 9 + 5 * col, 14 + 4 * row, 3.5, 2.5));
            }
    };
}

Pictogram palette()
{
    return [](QPainter &p, const QRectF &r) {
        QPainterPath board;
        board.addEllipse(sub(r, 2, 5, 28, 22));
        QPainterPath hole;
        hole.addEllipse(sub(r, 18, 18, 6, 5));
        p.setPen(QPen(QColor(110, 80, 40), r.width() / 32.0));
        p.setBrush(diagonal(r, QColor(250, 225, 170), QColor(190, 140, 80)));
        p.drawPath(board.subtracted(hole));
        const QColor blobs[] = {Qt::red, Qt::yellow, Qt::blue, QColor(0, 160, 0), Qt::magenta};
        const QPointF centres[] = {{8, 12}, {14, 9}, {21, 10}, {25, 15}, {8, 19}};
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(radial(at(r, centres[i].x() - 1, centres[i].y() - 1), r.width() / 8,
                              QColor(blobs[i]).lighter(160), blobs[i]));
            p.drawEllipse(at(r, centres[i].x(), centres[i].y()), r.width() / 12, r.width() / 12);
        }
    };
}

Pictogram clock()
{
    return [](QPainter &p, const QRectF &r) {
        const QRectF rim = sub(r, 3, 3, 26, 26);
        outlinedEllipse(p, r, rim, QColor(90, 10, 10),
                        diagonal(rim, QColor(255, 120, 100), QColor(150, 20, 20)));
        p.setBrush(radial(at(r, 14, 13), r.width() / 2, Qt::white, QColor(215, 215, 200)));
        p.drawEllipse(sub(r, 6, 6, 20, 20));
        p.setPen(QPen(Qt::black, r.width() / 16.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at(r, 16, 16), at(r, 16, 9));
        p.drawLine(at(r, 16, 16), at(r, 21, 19));
    };
}

Pictogram box()
{
    return [](QPainter &p, const QRectF &r) {
        p.setPen(QPen(QColor(80, 50, 20), r.width() / 32.0));
        const QRectF front = sub(r, 3, 11, 26, 18);
        p.setBrush(vertical(front, QColor(215, 160, 95), QColor(150, 95, 40)));
        p.drawRect(front);
        p.setBrush(QColor(235, 195, 135));
        p.drawPolygon(QPolygonF({at(r, 3, 11), at(r, 8, 4), at(r, 24, 4), at(r, 29, 11)}));
        p.setBrush(QColor(240, 235, 210));
        p.drawRect(sub(r, 12, 15, 8, 5));
    };
}

Pictogram photo()
{
    return [](QPainter &p, const QRectF &r) {
        const QRectF frame = sub(r, 2, 5, 28, 22);
        p.setPen(QPen(QColor(60, 60, 60), r.width() / 32.0));
        p.setBrush(QColor(245, 245, 240));
        p.drawRect(frame);
        const QRectF picture = sub(r, 4, 7, 24, 18);
        p.setBrush(vertical(picture, QColor(60, 130, 230), QColor(190, 225, 255)));
        p.drawRect(picture);
        p.setPen(Qt::NoPen);
        p.setBrush(radial(at(r, 22, 11), r.width() / 8, QColor(255, 255, 200),
                          QColor(255, 190, 0)));
        p.drawEllipse(at(r, 22, 11), r.width() / 12, r.width() / 12);
        p.setBrush(vertical(r, QColor(110, 200, 60), QColor(20, 100, 20)));
        QPainterPath hill;
        hill.moveTo(at(r, 4, 25));
        hill.quadTo(at(r, 12, 13), at(r, 20, 21));
        hill.quadTo(at(r, 24, 18), at(r, 28, 20));
        hill.lineTo(at(r, 28, 25));
        hill.closeSubpath();
        p.drawPath(hill);
    };
}

Pictogram music()
{
    return [](QPainter &p, const QRectF &r) {
        outlinedEllipse(p, r, sub(r, 2, 2, 28, 28), QColor(50, 10, 80),
                        radial(at(r, 12, 12), r.width() * 0.55, QColor(230, 200, 255),
                               QColor(90, 30, 150)));
        p.setPen(QPen(Qt::black, r.width() / 14.0));
        p.drawLine(at(r, 13, 22), at(r, 13, 8));
        p.drawLine(at(r, 22, 20), at(r, 22, 6));
        p.drawLine(at(r, 13, 8), at(r, 22, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::black);
        p.drawEllipse(at(r, 11, 22), r.width() / 10, r.width() / 14);
        p.drawEllipse(at(r, 20, 20), r.width() / 10, r.width() / 14);
    };
}

Pictogram notepad()
{
    return [](QPainter &p, const QRectF &r) {
        const QRectF pad = sub(r, 6, 4, 20, 26);
        p.setPen(QPen(QColor(120, 110, 40), r.width() / 32.0));
        p.setBrush(vertical(pad, QColor(255, 250, 190), QColor(240, 220, 110)));
        p.drawRect(pad);
        p.setBrush(vertical(r, QColor(80, 120, 230), QColor(20, 40, 140)));
        p.drawRect(sub(r, 6, 2, 20, 5));
        p.setPen(QPen(QColor(120, 150, 210), r.width() / 28.0));
        for (int i = 0; i < 6; ++i)
            p.drawLine(at(r, 9, 11 + 3 * i), at(r, 23, 11 + 3 * i));
    };
}

} // namespace pictogram

void drawPictogram(QPainter &p, const Pictogram &draw, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p, r);
    p.restore();
}

} // namespace picturekit
