#pragma once

#include <memory>

class FormDemo;

// What kalumet does once its QApplication exists: names the program, makes
// the window, gives its icon to the whole application and shows the window.
// The program's main() and the start-up benchmark both run exactly this.
std::unique_ptr<FormDemo> startDemo();
