// Small coloured drawings for the pictured desktop: its icons, the quick
// launch bar and the notification area.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

#include <functional>

namespace picturekit {

// Paints its drawing into a square cell given in painter coordinates.
using Pictogram = std::function<void(QPainter &, const QRectF &)>;

namespace pictogram {
Pictogram folder(QColor base);
Pictogram document(QColor ink);
Pictogram programIcon(); // the program icon, 32 x 32 image
Pictogram monitor();
Pictogram globe();
Pictogram bin();
Pictogram book(QColor cover);
Pictogram chart();
Pictogram calculator();
Pictogram palette();
Pictogram clock();
Pictogram box();
Pictogram photo();
Pictogram music();
Pictogram notepad();
} // namespace pictogram

// Paints a pictogram into the cell r, smoothed.
void drawPictogram(QPainter &p, const Pictogram &draw, const QRectF &r);

} // namespace picturekit
