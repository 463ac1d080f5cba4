#pragma once

class QWidget;

namespace launch {

// Ends the program, as closing the window does, where another client of the
// window system destroys the window's native window (a session tool,
// `xdotool windowclose`): otherwise it would run on with no window. Only
// the X11 platform (xcb) lets another client do that; elsewhere it does
// nothing.
void endWhenDestroyed(QWidget *window);

} // namespace launch
