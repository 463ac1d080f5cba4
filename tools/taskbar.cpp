// The taskbar of the pictured desktop: start button, quick-launch icons,
// the sorter's task button and the notification area with its clock.

#include "classicwindow.h"
#include "desktop.h"
#include "fonts.h"
#include "form1table.h"
#include "pictograms.h"
#include "icondrawing.h"

#include <QRadialGradient>

namespace picturekit {

namespace {

constexpr int ButtonOffset = 3; // from the taskbar's top
constexpr int ButtonHeight = 15;

void etchedSeparator(QPainter &p, int x, int top, int bottom)
{
    p.fillRect(QRect(x, top, 1, bottom - top + 1), classic::Shadow);
    p.fillRect(QRect(x + 1, top, 1, bottom - top + 1), classic::Light);
}

// The start button with a small round emblem.
void drawStartButton(QPainter &p, int buttonTop, Language language)
{
    drawRaisedBox(p, QRect(2, buttonTop, 52, ButtonHeight));
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
    p.setFont(smoothed(captionFont()));
    p.setPen(Qt::black);
    p.drawText(QRect(17, buttonTop, 36, ButtonHeight), Qt::AlignLeft | Qt::AlignVCenter,
               language == Language::English ? QStringLiteral("Start") : QStringLiteral("Пуск"));
}

void drawQuickLaunch(QPainter &p, int top)
{
    const int buttonTop = top + ButtonOffset;
    const int bottom = top + TaskbarHeight - 1;
    etchedSeparator(p, 58, buttonTop, bottom - 2);
    const Pictogram quick[] = {pictogram::folder(QColor(240, 200, 70)), pictogram::globe(),
                               pictogram::document(QColor(40, 80, 200))};
    for (int i = 0; i < 3; ++i)
        drawPictogram(p, quick[i], QRectF(63 + 18 * i, top + 3, 15, 15));
    etchedSeparator(p, 118, buttonTop, bottom - 2);
}

// The sorter's task button, pressed (its window is the active one): sunken
// edges and a checkered face.
void drawTaskButton(QPainter &p, int buttonTop, Language language)
{
    const QRect task(124, buttonTop, 160, ButtonHeight);
    drawPressedBox(p, task);
    for (int y = task.top() + 2; y < task.bottom() - 1; ++y)
        for (int x = task.left() + 2 + (y % 2); x < task.right() - 1; x += 2)
            p.fillRect(QRect(x, y, 1, 1), classic::Light);
    {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(task.left() + 4, task.top() + 2, 12, 12), programIcon16().toArgb());
        p.restore();
    }
    const int textWidth = task.width() - 24;
    p.setFont(smoothed(captionFont()));
    p.setPen(Qt::black);
    p.drawText(QRect(task.left() + 20, task.top() + 1, textWidth, task.height()),
               Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(captionFont())
                   .elidedText(sorterText(QString::fromUtf8(form1::kCaption), language),
                               Qt::ElideRight, textWidth));
}

// The notification area: two small icons and the clock.
void drawNotificationArea(QPainter &p, int buttonTop)
{
    const QRect tray(502, buttonTop, 88, ButtonHeight);
    drawShallowBox(p, tray);
    drawPictogram(p, pictogram::monitor(), QRectF(tray.left() + 4, tray.top() + 1, 13, 13));
    drawPictogram(p, pictogram::music(), QRectF(tray.left() + 20, tray.top() + 1, 13, 13));
    p.setFont(smoothed(textFont()));
    p.setPen(Qt::black);
    p.drawText(tray.adjusted(0, 0, -6, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("12:45"));
}

} // namespace

void drawTaskbar(QPainter &p, Language language)
{
    const int top = TaskbarTop;
    p.fillRect(QRect(0, top, GridWidth, TaskbarHeight), classic::Face);
    // A one-pixel highlight along the top, in screen pixels.
    p.fillRect(QRectF(0, top + 1.0 / PaintScale, GridWidth, 1.0 / PaintScale), classic::Light);

    const int buttonTop = top + ButtonOffset;
    drawStartButton(p, buttonTop, language);
    drawQuickLaunch(p, top);
    drawTaskButton(p, buttonTop, language);
    drawNotificationArea(p, buttonTop);
}

} // namespace picturekit
