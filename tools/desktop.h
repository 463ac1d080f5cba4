// The screen that the desktop picture is reduced from, shared by the parts
// that paint it.
//
// The screen is laid out on a 592 x 444 grid, painted at twice that size
// (1184 x 888 pixels) and then reduced to a quarter, so that every grid
// unit of the layout becomes half a pixel of the picture: the sorter
// window's frame at grid (68, 56)-(315, 203) lands on picture pixels
// (34, 28)-(157, 101) and the taskbar's grid rows 424..443 on picture
// rows 212..221.
#pragma once

#include "pictures.h"

#include <QPainter>

namespace picturekit {

constexpr int GridWidth = 592;
constexpr int GridHeight = 444;
constexpr int PaintScale = 2;
constexpr int TaskbarTop = 424;
constexpr int TaskbarHeight = 20;

// The taskbar across the bottom of the screen, in grid units, its texts in
// `language`.
void drawTaskbar(QPainter &p, Language language);

} // namespace picturekit
