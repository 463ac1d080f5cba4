#pragma once

#include <QIcon>

// The program icon for the window: the sizes a window's frame, the task
// bar and the task switcher draw, built into every program that links the
// programicon library. The larger sizes are left to the installed icon
// theme: every size given here goes to the window system with the window,
// and all six (358 KB) would hold up its first showing by about 10 ms on an
// X server.
QIcon programWindowIcon();
