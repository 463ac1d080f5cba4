// The desktop around the pictured sorter window: a whole 4:3 screen with
// desktop icons, the small sorter window and the taskbar, reduced with
// smoothing to 296 x 222.
//
// The screen is laid out on a 592 x 444 grid, painted at twice that size
// (1184 x 888 pixels) and then reduced to a quarter, so that every grid
// unit of the layout becomes half a pixel of the picture: the sorter
// window's frame at grid (68, 56)-(315, 203) lands on picture pixels
// (34, 28)-(157, 101) and the taskbar's grid rows 424..443 on picture
// rows 212..221.

#include "classicwindow.h"
#include "fonts.h"
#include "pictures.h"
#include "programicon.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <functional>

namespace picturekit {

namespace {

constexpr int GridWidth = 592;
constexpr int GridHeight = 444;
constexpr int PaintScale = 2;
constexpr int PictureWidth = 296;
constexpr int PictureHeight = 222;

const QRect SorterFrame(68, 56, 248, 148);
constexpr int TaskbarTop = 424;
constexpr int TaskbarHeight = 20;

const QString SorterCaption = QStringLiteral("Сортировка трех чисел (по возрастанию)");

// Text on the screen is drawn smooth, except the window titles.
QFont smooth(QFont font)
{
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoFontMerging));
    return font;
}

// ---------------------------------------------------------------------------
// Desktop icons: 32 x 32 pictograms, painted smooth.

using Pictogram = std::function<void(QPainter &, const QRectF &)>;

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
        p.setPen(QPen(QColor(60, 60, 60), r.width() / 32.0));
        const QRectF body = sub(r, 3, 3, 26, 20);
        p.setBrush(vertical(body, QColor(235, 232, 225), QColor(160, 155, 150)));
        p.drawRoundedRect(body, 2, 2);
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
        QRadialGradient sea(at(r, 11, 10), r.width() * 0.6);
        sea.setColorAt(0, QColor(170, 220, 255));
        sea.setColorAt(1, QColor(10, 60, 160));
        p.setPen(QPen(QColor(10, 40, 100), r.width() / 32.0));
        p.setBrush(sea);
        p.drawEllipse(ball);
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
        p.setPen(QPen(QColor(30, 30, 30), r.width() / 32.0));
        const QRectF body = sub(r, 6, 2, 20, 28);
        p.setBrush(vertical(body, QColor(110, 110, 120), QColor(40, 40, 50)));
        p.drawRoundedRect(body, 2, 2);
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
            QRadialGradient g(at(r, centres[i].x() - 1, centres[i].y() - 1), r.width() / 8);
            g.setColorAt(0, QColor(blobs[i]).lighter(160));
            g.setColorAt(1, blobs[i]);
            p.setBrush(g);
            p.drawEllipse(at(r, centres[i].x(), centres[i].y()), r.width() / 12, r.width() / 12);
        }
    };
}

Pictogram clock()
{
    return [](QPainter &p, const QRectF &r) {
        const QRectF rim = sub(r, 3, 3, 26, 26);
        p.setPen(QPen(QColor(90, 10, 10), r.width() / 32.0));
        p.setBrush(diagonal(rim, QColor(255, 120, 100), QColor(150, 20, 20)));
        p.drawEllipse(rim);
        QRadialGradient face(at(r, 14, 13), r.width() / 2);
        face.setColorAt(0, Qt::white);
        face.setColorAt(1, QColor(215, 215, 200));
        p.setBrush(face);
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
        QRadialGradient sun(at(r, 22, 11), r.width() / 8);
        sun.setColorAt(0, QColor(255, 255, 200));
        sun.setColorAt(1, QColor(255, 190, 0));
        p.setBrush(sun);
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
        const QRectF disc = sub(r, 2, 2, 28, 28);
        QRadialGradient g(at(r, 12, 12), r.width() * 0.55);
        g.setColorAt(0, QColor(230, 200, 255));
        g.setColorAt(1, QColor(90, 30, 150));
        p.setPen(QPen(QColor(50, 10, 80), r.width() / 32.0));
        p.setBrush(g);
        p.drawEllipse(disc);
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

struct DesktopIcon
{
    QString line1;
    QString line2;
    Pictogram draw;
};

QList<DesktopIcon> desktopIcons()
{
    return {
        {"Компьютер", "класса", monitor()},
        {"Документы", "ученика", folder(QColor(240, 200, 70))},
        {"Удалённые", "файлы", bin()},
        {"Общие", "папки", globe()},
        {"Сортировка", "чисел", programIcon()},
        {"Алгоритмы", "сортировки", folder(QColor(120, 180, 240))},
        {"Блок-схемы", "уроков", document(QColor(40, 80, 200))},
        {"Задачи", "9 класса", document(QColor(200, 60, 60))},
        {"Текстовый", "редактор", notepad()},
        {"Графический", "редактор", palette()},
        {"Таблицы", "расчётов", chart()},
        {"Инженерный", "калькулятор", calculator()},
        {"Справочник", "по языку", book(QColor(170, 30, 40))},
        {"Словарь", "терминов", book(QColor(30, 110, 60))},
        {"Журнал", "оценок", chart()},
        {"Архив", "работ", box()},
        {"Фото", "класса", photo()},
        {"Запись", "урока", music()},
        {"Часы и", "будильник", clock()},
        {"Тесты", "по теме", document(QColor(30, 140, 140))},
    };
}

// Icons stand in columns from the top-left corner, five to a column.
void drawDesktopIcons(QPainter &p)
{
    const int columnPitch = 67;
    const int rowPitch = 76;
    const int perColumn = 5;
    const QList<DesktopIcon> icons = desktopIcons();
    for (int i = 0; i < icons.size(); ++i) {
        const int cellX = 2 + (i / perColumn) * columnPitch;
        const int cellY = 2 + (i % perColumn) * rowPitch;
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        icons[i].draw(p, QRectF(cellX + (columnPitch - 32) / 2, cellY + 2, 32, 32));
        p.restore();

        p.setFont(smooth(textFont()));
        p.setPen(Qt::white);
        const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip;
        p.drawText(QRect(cellX, cellY + 37, columnPitch, 13), flags, icons[i].line1);
        p.drawText(QRect(cellX, cellY + 50, columnPitch, 13), flags, icons[i].line2);
    }
}

// ---------------------------------------------------------------------------
// The sorter's window as it stands on the screen: the sorter laid out in its
// client area at the scale of this screen.

void drawSorterWindow(QPainter &p)
{
    drawClassicWindow(p, SorterFrame, SorterCaption);

    // The client area of the window, and the sorter's own layout in its
    // 280 x 136 client area, scaled to fit.
    const QRect client(SorterFrame.left() + 4, SorterFrame.top() + 23, SorterFrame.width() - 8,
                       SorterFrame.height() - 27);
    auto place = [&](int left, int top, int width, int height) {
        const qreal sx = client.width() / 280.0;
        const qreal sy = client.height() / 136.0;
        return QRect(client.left() + qRound(left * sx), client.top() + qRound(top * sy),
                     qRound(width * sx), qRound(height * sy));
    };

    const QString labels[] = {"Число А=", "Число В=", "Число С="};
    const QString numbers[] = {"5", "8", "3"};
    p.setFont(smooth(textFont()));
    for (int i = 0; i < 3; ++i) {
        const int rowTop = 8 + 32 * i;
        p.setPen(Qt::black);
        p.drawText(place(40, rowTop, 89, 17), Qt::AlignRight | Qt::AlignVCenter, labels[i]);
        const QRect box = place(144, rowTop, 105, 19);
        drawSunkenBox(p, box);
        p.drawText(box.adjusted(6, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter, numbers[i]);
    }
    const QRect button = place(32, 104, 217, 25);
    drawRaisedBox(p, button);
    p.setPen(Qt::black);
    p.drawText(button, Qt::AlignCenter, QStringLiteral("Сортировать числа по возрастанию"));
}

// ---------------------------------------------------------------------------
// Taskbar: start button, quick-launch icons, the sorter's task button and the
// notification area with its clock.

void etchedSeparator(QPainter &p, int x, int top, int bottom)
{
    p.fillRect(QRect(x, top, 1, bottom - top + 1), classic::Shadow);
    p.fillRect(QRect(x + 1, top, 1, bottom - top + 1), classic::Light);
}

void smallPictogram(QPainter &p, const Pictogram &draw, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    draw(p, r);
    p.restore();
}

void drawTaskbar(QPainter &p)
{
    const int top = TaskbarTop;
    const int bottom = top + TaskbarHeight - 1;
    p.fillRect(QRect(0, top, GridWidth, TaskbarHeight), classic::Face);
    // A one-pixel highlight along the top, in screen pixels.
    p.fillRect(QRectF(0, top + 1.0 / PaintScale, GridWidth, 1.0 / PaintScale), classic::Light);

    const int buttonTop = top + 3;
    const int buttonHeight = 15;

    // Start button with a small round emblem.
    const QRect start(2, buttonTop, 52, buttonHeight);
    drawRaisedBox(p, start);
    {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        QRadialGradient g(QPointF(8, buttonTop + 5.5), 6);
        g.setColorAt(0, QColor(255, 240, 150));
        g.setColorAt(1, QColor(230, 110, 20));
        p.setPen(QPen(QColor(120, 50, 0), 0.5));
        p.setBrush(g);
        p.drawEllipse(QPointF(10, buttonTop + 7.5), 5, 5);
        p.restore();
    }
    p.setFont(smooth(captionFont()));
    p.setPen(Qt::black);
    p.drawText(QRect(17, buttonTop, 36, buttonHeight), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Пуск"));

    // Quick launch.
    etchedSeparator(p, 58, buttonTop, bottom - 2);
    const Pictogram quick[] = {folder(QColor(240, 200, 70)), globe(), document(QColor(40, 80, 200))};
    for (int i = 0; i < 3; ++i)
        smallPictogram(p, quick[i], QRectF(63 + 18 * i, top + 3, 15, 15));
    etchedSeparator(p, 118, buttonTop, bottom - 2);

    // The sorter's task button, pressed (the active window): sunken edges
    // and a checkered face.
    const QRect task(124, buttonTop, 160, buttonHeight);
    p.fillRect(task, classic::Face);
    for (int y = task.top() + 2; y < task.bottom() - 1; ++y)
        for (int x = task.left() + 2 + (y % 2); x < task.right() - 1; x += 2)
            p.fillRect(QRect(x, y, 1, 1), classic::Light);
    p.fillRect(QRect(task.left(), task.top(), task.width(), 1), classic::DarkShadow);
    p.fillRect(QRect(task.left(), task.top(), 1, task.height()), classic::DarkShadow);
    p.fillRect(QRect(task.left() + 1, task.top() + 1, task.width() - 2, 1), classic::Shadow);
    p.fillRect(QRect(task.left() + 1, task.top() + 1, 1, task.height() - 2), classic::Shadow);
    p.fillRect(QRect(task.left(), task.bottom(), task.width(), 1), classic::Light);
    p.fillRect(QRect(task.right(), task.top(), 1, task.height()), classic::Light);
    {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(task.left() + 4, task.top() + 2, 12, 12), programIcon16().toArgb());
        p.restore();
    }
    p.setFont(smooth(captionFont()));
    p.drawText(QRect(task.left() + 20, task.top() + 1, task.width() - 24, task.height()),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(captionFont()).elidedText(SorterCaption, Qt::ElideRight,
                                                      task.width() - 24));

    // Notification area: two small icons and the clock.
    const QRect tray(502, buttonTop, 88, buttonHeight);
    p.fillRect(tray, classic::Face);
    p.fillRect(QRect(tray.left(), tray.top(), tray.width(), 1), classic::Shadow);
    p.fillRect(QRect(tray.left(), tray.top(), 1, tray.height()), classic::Shadow);
    p.fillRect(QRect(tray.left(), tray.bottom(), tray.width(), 1), classic::Light);
    p.fillRect(QRect(tray.right(), tray.top(), 1, tray.height()), classic::Light);
    smallPictogram(p, monitor(), QRectF(tray.left() + 4, tray.top() + 1, 13, 13));
    smallPictogram(p, music(), QRectF(tray.left() + 20, tray.top() + 1, 13, 13));
    p.setFont(smooth(textFont()));
    p.setPen(Qt::black);
    p.drawText(tray.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("12:45"));
}

} // namespace

QImage desktopPicture()
{
    QImage screen(GridWidth * PaintScale, GridHeight * PaintScale, QImage::Format_RGB32);
    screen.fill(classic::Teal);
    {
        QPainter p(&screen);
        p.scale(PaintScale, PaintScale);
        drawDesktopIcons(p);
        drawSorterWindow(p);
        drawTaskbar(p);
    }
    return screen
        .scaled(PictureWidth, PictureHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace picturekit
