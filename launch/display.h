#pragma once

#include <QString>

namespace launch {

// What `program` says where it finds no screen to show its window on: that
// there is none, naming DISPLAY and WAYLAND_DISPLAY as they are set, in the
// language of the translations installed. Made before the application
// object that needs the screen, which can't translate it any more.
QString noScreenMessage(const QString &program);

// Held while an application object connects to the display. Where no
// display can be reached Qt would print its own English message and abort
// the program with a core dump; under the guard the program prints
// `noScreen` (noScreenMessage()) and ends with status 1. What Qt writes
// meanwhile is held back, and passed on when the guard goes.
class DisplayGuard
{
public:
    explicit DisplayGuard(const QString &noScreen);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace launch
