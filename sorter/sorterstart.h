#pragma once

#include "launch.h"

#include <memory>

class Form1;

// What brivon's command line knows of it: name, version, summary and the
// size of its window.
launch::Program sorterProgram();

// What brivon does once its QApplication exists: names the program, puts
// Qt's own texts into Russian, makes the window and shows it. The
// program's main() and the start-up benchmark both run exactly this.
std::unique_ptr<Form1> startSorter();
