// Fonts the pictures are drawn with, loaded from the fonts-wine package so
// that the committed pictures come out the same on every machine.
#pragma once

#include <QFont>
#include <QString>

namespace picturekit {

// Loads <data dir>/wine/fonts/<file> and returns its family; throws
// std::runtime_error when the file is missing or unreadable.
QString wineFontFamily(const QString &file);

// A font at a pixel size, drawn without smoothing (as on a classic screen).
QFont crispFont(const QString &family, int pixelSize, bool bold);

QFont captionFont();   // window titles and the start button: bold, 11 pixels
QFont textFont();      // labels, buttons, icon captions, the clock: 11 pixels

} // namespace picturekit
