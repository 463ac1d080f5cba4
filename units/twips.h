// Twips: the unit every window and control is laid out in, 1/1440 inch,
// measured from the top-left corner of the window's client area. At 96 dots
// per inch a logical pixel is 15 twips.
#pragma once

#include <QRect>

constexpr int kTwipsPerPixel = 15;

constexpr int toPixels(int twips) { return twips / kTwipsPerPixel; }

constexpr QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.left()), toPixels(twips.top()),
                 toPixels(twips.width()), toPixels(twips.height()));
}
