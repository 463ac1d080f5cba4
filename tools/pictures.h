// The three pictures of the demonstrator window, drawn pixel by pixel:
// the flowchart behind the flowchart labels, the empty sorter window behind
// the live input boxes and button, and the desktop around that window.
#pragma once

#include <QImage>

namespace picturekit {

QImage flowchartPicture();     // 266 x 531
QImage sorterWindowPicture();  // 243 x 163
QImage desktopPicture();       // 296 x 222

} // namespace picturekit
