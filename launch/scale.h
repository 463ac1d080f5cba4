#pragma once

#include <QSize>
#include <QString>

class QWidget;

namespace launch {

// Whether `value` is a scale: a decimal number from 1 to 4, with a point or
// a comma ("1.5", "1,5"), or "fit".
bool isScale(const QString &value);

// What the program says on standard error where the factor given doesn't
// fit its screen: made, as noScreenMessage(), while the translations are
// installed, as the application objects applyScale() makes can no longer
// translate it; applyScale() fills in the factors, in the user's locale.
struct ScaleNotice
{
    QString smaller;  // %1 the factor given, %2 the smaller one used
    QString unscaled; // none larger than 1 fits: %1 the factor given
};
ScaleNotice scaleNotice(const QString &program);

// Applies a scale before the application object is made: for "fit" the
// largest factor at which the window, `client` pixels inside a frame, fits
// the screen it opens on, in a web page the browser's window (from 1 to 4);
// a factor given, as it is where it fits, and otherwise that largest one,
// saying so (`notice`); in a web page, which scrolls, a factor given as it
// is. Where there is no screen to ask, says `noScreen` (DisplayGuard).
void applyScale(const QString &value, int argc, char *argv[], QSize client,
                const QString &noScreen, const ScaleNotice &notice);

// Where "fit" was applied: the window scaled anew to fit its screen's
// available area as it is now (a projector plugged in or out, the
// resolution switched, the browser's window made full screen), from 1 to 4.
void refit(QWidget *window);

} // namespace launch
