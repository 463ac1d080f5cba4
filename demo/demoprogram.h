#pragma once

#include "launch.h"

// kalumet as it starts: its name, version, summary, the size and the
// application id of its window, and the window FormDemo.
launch::Program demoProgram();
