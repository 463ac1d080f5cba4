#pragma once

#include "launch.h"

#include <memory>

class FormDemo;

// What kalumet's command line knows of it: name, version, summary and the
// size of its window.
launch::Program demoProgram();

// What kalumet does once its QApplication exists: names the program, puts
// Qt's own texts into Russian, makes the window, gives its icon to the
// whole application and shows the window. The program's main() and the
// start-up benchmark both run exactly this.
std::unique_ptr<FormDemo> startDemo();
