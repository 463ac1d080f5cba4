#pragma once

// How a program's window lives in a web page (the WebAssembly build only).

#include <functional>

class QMessageBox;
class QWidget;

namespace web {

// Shows `window` in the page's canvas as it is on the desktop, under the
// title bar that Qt draws: centred, and centred again when the browser's
// window changes size (full screen for the projector). When the window
// closes ("Выход", the pictured close box, the title bar's), the page is
// told with the event "programended" on its window object, and offers to
// start the program again. "programshown" tells it that the window is
// shown.
void showInPage(QWidget *window);

// A dialog's exec() waits in a nested event loop, which Qt for WebAssembly
// runs only in a module built with emscripten's asyncify, and even there
// not from within an event handler: the module stops ("unreachable"). So in
// a page a box is never exec()'d: this opens a copy of `box` (its icon,
// title, text, text format and buttons, over the same window) window-modal
// instead, and calls `closed` once it is closed.
void openInPage(const QMessageBox &box, const std::function<void()> &closed);
// The same, telling `closed` the standard button that closed the box
// (NoButton when none did).
void openInPage(const QMessageBox &box, const std::function<void(int button)> &closed);

} // namespace web
