#pragma once

#include <QSize>
#include <QString>

namespace launch {

// Applies a --scale value before the application object is made: a decimal
// number from 1 to 4, with a point or a comma ("1.5", "1,5"), or "fit" for
// the largest factor at which the window, `client` pixels inside a frame,
// fits the screen it opens on (from 1 to 4); `program` names the program
// if there is no screen. Returns false, and changes nothing, for any other
// value.
bool applyScale(const QString &value, int argc, char *argv[], QSize client,
                const QString &program);

} // namespace launch
