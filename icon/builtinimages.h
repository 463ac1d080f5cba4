#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// A picture built into the program as the pixels it is painted with: an
// array made at build time from the committed image file (tools/rawimages,
// add_raw_images()). Showing it needs no file, no decoder and no copy.
struct RawImage
{
    int width;
    int height;
    QImage::Format format; // Format_RGB32, or Format_ARGB32_Premultiplied
    const quint32 *pixels; // the scan lines, top to bottom
};

// The image over the built-in pixels, read-only: painting reads them where
// they are; a change to the image would copy them first.
inline QImage builtInImage(const RawImage &raw)
{
    return QImage(reinterpret_cast<const uchar *>(raw.pixels), raw.width, raw.height,
                  qsizetype(raw.width) * 4, raw.format);
}

// The same as a pixmap. Both formats are those of the screen's pixmaps on
// the usual 24- and 32-bit displays, so the pixmap shares the pixels too.
inline QPixmap builtInPixmap(const RawImage &raw)
{
    return QPixmap::fromImage(builtInImage(raw));
}

// The program icon for the window: the sizes a window's frame, the task
// bar and the task switcher draw, built into every program that links the
// programicon library. The larger sizes are left to the installed icon
// theme: every size given here goes to the window system with the window,
// and all six (358 KB) would hold up its first showing by about 10 ms on an
// X server.
QIcon programWindowIcon();
