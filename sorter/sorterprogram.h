#pragma once

#include "launch.h"

// brivon as it starts: its name, version, summary, the size and the
// application id of its window, and the window Form1.
launch::Program sorterProgram();
