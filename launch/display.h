#pragma once

#include <QString>

namespace launch {

// Held while an application object connects to the display. Where no
// display can be reached Qt would print its own English message and abort
// the program with a core dump; under the guard the program says in
// Russian that there is no screen to show its window on, naming DISPLAY
// and WAYLAND_DISPLAY, and ends with status 1. What Qt writes meanwhile is
// held back, and passed on when the guard goes.
class DisplayGuard
{
public:
    explicit DisplayGuard(const QString &program);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace launch
