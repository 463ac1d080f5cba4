#pragma once

#include <functional>

class QMessageBox;

// Opens a message box over its window and calls `closed` with the standard
// button that closed it (QMessageBox::NoButton where none did): on the
// desktop before it returns, as exec() does; in a web page, where no event
// loop can wait inside another, once the box is closed.
void openBox(QMessageBox &box, const std::function<void(int button)> &closed = {});
