#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace launch {

// Whether `value` is a scale: a decimal number from 1 to 4, with a point or
// a comma ("1.5", "1,5"), or "fit".
bool isScale(const QString &value);

// Applies a scale before the application object is made: the factor, or
// for "fit" the largest factor at which the window, `client` pixels inside
// a frame, fits the screen it opens on (from 1 to 4). Where there is no
// screen to ask, says `noScreen` (DisplayGuard).
void applyScale(const QString &value, int argc, char *argv[], QSize client,
                const QString &noScreen);

// Where "fit" was applied: the window scaled anew to fit its screen's
// available area as it is now (a projector plugged in or out, the
// resolution switched), from 1 to 4.
void refit(QWidget *window);

} // namespace launch
