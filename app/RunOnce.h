#pragma once

#include "app/Application.h"

// Runs the program on the environment until it ends and returns its exit code, unless one
// already runs on the same program folder: that one brings its window back instead, and this
// returns 0. Needs the QApplication made.
int runOnce(const Environment& environment);
