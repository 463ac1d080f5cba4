#pragma once

class QWidget;

// Runs the application's event loop until `window` has painted its first
// frame and the frame has gone to the screen, then writes the moment, in
// nanoseconds of the monotonic clock (std::chrono::steady_clock), as one
// line on stdout and ends the event loop with 0. A window that never
// paints keeps the loop running; the caller's timeout ends it.
int reportFirstFrame(QWidget *window);
