#pragma once

// How a program's window lives in a web page (the WebAssembly build only).

#include <functional>

class QMessageBox;
class QObject;
class QString;
class QWidget;

namespace web {

// Shows `window` in the page's canvas as it is on the desktop, under the
// title bar that Qt draws: centred, and centred again when the browser's
// window changes size (full screen for the projector). When the window
// closes ("Выход", the pictured close box, the title bar's), the page is
// told with the event "programended" on its window object, and offers to
// start the program again. "programshown" tells it that the window is
// shown, with the window's title and `keys`, a short description of how
// the window is used by keyboard, for the page's canvas to name and
// describe itself with to a screen reader.
//
// Qt 6.4 for WebAssembly has no bridge to the browser's accessibility, so
// what a screen reader on the desktop hears of the program goes to the
// page's live region instead: each control the focus moves to, as
// described(), and what say() is given (web/page.js).
void showInPage(QWidget *window, const QString &keys);

// Has a screen reader in the page say `text` at once, wherever the focus
// is: the page's live region receives it (the event "programsaid").
void say(const QString &text);

// What a screen reader says of `object` as Qt presents it to assistive
// technology: its name, role, and its state or value, such as
// «Число А=, поле ввода, 5», «Вперед, кнопка» or «Пошаговый режим, флажок,
// отмечен»; for a message box its title, role and text.
QString described(QObject *object);

// A dialog's exec() waits in a nested event loop, which Qt for WebAssembly
// runs only in a module built with emscripten's asyncify, and even there
// not from within an event handler: the module stops ("unreachable"). So in
// a page a box is never exec()'d: this opens a copy of `box` (its icon,
// title, text, text format and buttons, over the same window) window-modal
// instead, and calls `closed` once it is closed. A screen reader hears the
// box as it opens: described(), then each of its buttons.
void openInPage(const QMessageBox &box, const std::function<void()> &closed);
// The same, telling `closed` the standard button that closed the box
// (NoButton when none did).
void openInPage(const QMessageBox &box, const std::function<void(int button)> &closed);

} // namespace web
