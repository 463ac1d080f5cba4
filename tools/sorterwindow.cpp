// The empty sorter window that the demonstrator lays its live input boxes
// and button on, and the BMP writer shared by the three pictures.

#include "classicwindow.h"
#include "form1table.h"
#include "output.h"
#include "pictures.h"

namespace picturekit {

QImage sorterWindowPicture()
{
    QImage img(243, 163, QImage::Format_RGB32);
    img.fill(classic::Face);
    QPainter p(&img);
    drawClassicWindow(p, img.rect(), QString::fromUtf8(form1::kCaption));
    p.end();
    return img;
}

QByteArray bmpFile(const QImage &image)
{
    // Qt's BMP writer stores RGB32 as plain 24-bit rows, bottom-up, with a
    // BITMAPINFOHEADER and no palette. Fix the resolution so that the header
    // does not depend on the screen the generator runs on.
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int dotsPerMeter = 3780; // 96 dpi
    rgb.setDotsPerMeterX(dotsPerMeter);
    rgb.setDotsPerMeterY(dotsPerMeter);
    return encodedImage(rgb, "bmp");
}

} // namespace picturekit
