#pragma once

#include <QImage>
#include <QPainter>
#include <QPixmap>

// A picture built into a program as the pixels it is painted with: an
// array that rawimages makes at build time from the committed image file
// (add_raw_images() in rawimages.cmake), declared in a header that includes
// this one. Showing it needs no file, no decoder and no copy.
struct RawImage
{
    int width;
    int height;
    // Format_Indexed8, Format_RGB32 or Format_ARGB32_Premultiplied
    QImage::Format format;
    // The scan lines, top to bottom, each padded to a whole 32-bit word.
    const void *bits;
    // Format_Indexed8: the colour table.
    const QRgb *colours = nullptr;
    int colourCount = 0;
};

// The image over the built-in pixels, read-only: painting reads them where
// they are; a change to the image would copy them first.
inline QImage builtInImage(const RawImage &raw)
{
    QImage image(static_cast<const uchar *>(raw.bits), raw.width, raw.height, raw.format);
    if (raw.colours)
        image.setColorTable(QList<QRgb>(raw.colours, raw.colours + raw.colourCount));
    return image;
}

// The same as a pixmap, over the same pixels in the same format.
inline QPixmap builtInPixmap(const RawImage &raw)
{
    return QPixmap::fromImage(builtInImage(raw), Qt::NoFormatConversion);
}

// Draws `picture` with its top-left corner at `at`, cut to `area` and to
// the painter's clip rectangle: the pixels of one drawPixmap(). Unless it
// is smoothed, an indexed picture is turned into the screen's format 64
// lines at a time and copied: drawn as it is, Qt would convert it pixel by
// pixel through its general path, several times slower, and hand more than
// 95 lines at once to a pool of threads.
inline void drawBuiltIn(QPainter &painter, const QPoint &at, const QPixmap &picture,
                        const QRect &area)
{
    QRect cut = area & QRect(at, picture.size());
    if (painter.hasClipping())
        cut &= painter.clipBoundingRect().toAlignedRect();
    if (cut.isEmpty())
        return;
    if (picture.depth() != 8 || painter.testRenderHint(QPainter::SmoothPixmapTransform)) {
        painter.save();
        painter.setClipRect(cut);
        painter.drawPixmap(at, picture);
        painter.restore();
        return;
    }
    const QImage image = picture.toImage();
    for (int y = cut.top(); y <= cut.bottom(); y += 64) {
        const int lines = std::min(64, cut.bottom() - y + 1);
        QImage band(image.constScanLine(y - at.y()), image.width(), lines, image.bytesPerLine(),
                    QImage::Format_Indexed8);
        band.setColorTable(image.colorTable());
        painter.drawImage(QPoint(cut.left(), y), band.convertToFormat(QImage::Format_RGB32),
                          QRect(cut.left() - at.x(), 0, cut.width(), lines));
    }
}
