// The first half of start-up: the data folder, the unit system (asking on the very first
// run), the window title and an empty, untitled worksheet.
#pragma once

#include <string>

#include "files/new_worksheet.h"
#include "forms/program.h"

namespace cn3 {

// Fixes the data folder (the process's current folder unless program.dataFolder is already
// set, as tests do), settles the unit system, titles the window and starts a new worksheet.
void LoadSettings(Program& program);

// The main window's title for a unit system.
std::string WindowTitle(bool metric);

}  // namespace cn3
