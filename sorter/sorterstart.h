#pragma once

#include <memory>

class Form1;

// What brivon does once its QApplication exists: names the program, makes
// the window and shows it. The program's main() and the start-up benchmark
// both run exactly this.
std::unique_ptr<Form1> startSorter();
