// Fonts the pictures are drawn with, loaded from the fonts-wine package so
// that the committed pictures come out the same on every machine.
#pragma once

#include "classicfont.h"

#include <QFont>

namespace picturekit {

// The classic font of a role, drawn without smoothing (as on a classic
// screen), with the glyphs of its own face only; throws std::runtime_error
// when the face is missing or unreadable, so that no picture is drawn in a
// substitute face.
QFont crispFont(FontRole role);

// The same font drawn smooth, as text on the screen is but for window titles.
QFont smoothed(QFont font);

QFont captionFont();   // window titles and the start button: bold, 11 pixels
QFont textFont();      // labels, buttons, icon captions, the clock: 11 pixels

} // namespace picturekit
