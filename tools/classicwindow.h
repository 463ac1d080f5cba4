// A window of the classic grey look: raised frame, blue title bar with the
// program icon, caption and three caption buttons. Used for the sorter-window
// picture at full size and, scaled, for the small window on the desktop.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QString>

namespace picturekit {

namespace classic {
const QColor Face(212, 208, 200);
const QColor Light(255, 255, 255);
const QColor Shadow(128, 128, 128);
const QColor DarkShadow(64, 64, 64);
const QColor TitleDark(10, 36, 106);
const QColor TitleLight(166, 202, 240);
const QColor Teal(0, 128, 128);
} // namespace classic

// The raised edges of a button or a caption button: top row and left column
// white, bottom row and right column dark shadow, the row and column just
// inside those shadow grey; the face fills the rest.
void drawRaisedBox(QPainter &p, const QRect &r);

// The sunken edges of an input box, white inside.
void drawSunkenBox(QPainter &p, const QRect &r);

// A pressed button: top row and left column dark shadow with a shadow-grey
// line just inside them, bottom row and right column white; face inside.
void drawPressedBox(QPainter &p, const QRect &r);

// A shallow sunken area (a status field): one-pixel edges, shadow grey at
// the top and left and white at the bottom and right; face inside.
void drawShallowBox(QPainter &p, const QRect &r);

// The title as the title bar shows it: cut so that it and an ellipsis of
// three 2 x 2 dots end at column lastColumn (relative to the caption's
// first column). Returns the characters kept.
QString cutCaption(const QString &title, int width);

// A whole window in frame, in the painter's coordinates: the raised frame,
// the face-coloured client area, the title bar with the 16 x 16 program
// icon, the cut title and the minimise, maximise and close buttons.
void drawClassicWindow(QPainter &p, const QRect &frame, const QString &title);

// Title bar colour of column x of a window of the given width.
QColor titleBarColour(int x, int frameWidth);

} // namespace picturekit
