// The empty sorter window that the demonstrator lays its live input boxes
// and button on.

#include "classicwindow.h"
#include "form1table.h"
#include "inventory.h"
#include "pictures.h"
#include "twips.h"

#include <algorithm>

namespace picturekit {

QImage sorterWindowPicture()
{
    // As large as the image box that shows it in the demonstrator.
    const auto &rows = controlInventory();
    const auto box = std::find_if(rows.begin(), rows.end(), [](const ControlRow &row) {
        return row.name == QLatin1String("Image2");
    });
    QImage img(toPixels(box->twips).size(), QImage::Format_RGB32);
    img.fill(classic::Face);
    QPainter p(&img);
    drawClassicWindow(p, img.rect(), QString::fromUtf8(form1::kCaption));
    p.end();
    return img;
}

} // namespace picturekit
