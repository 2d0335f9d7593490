// The first half of start-up: the data folder, the unit system (asking on the very first
// run), the window title and an empty, untitled worksheet.
#pragma once

#include <string>

#include "files/new_worksheet.h"
#include "forms/program.h"

namespace cn3 {

// How start-up settles a settings file never used before (its unit word starts with "?"):
// by asking the user once and writing the answer over the word, or, when no one is there to
// ask (a batch run), by taking English units for this run and leaving every file as it is.
enum class FirstRun { Ask, AssumeEnglish };

// Fixes the data folder (the process's current folder unless program.dataFolder is already
// set, as tests do), settles the unit system, titles the window and starts a new worksheet.
void LoadSettings(Program& program, FirstRun firstRun = FirstRun::Ask);

// The main window's title for a unit system.
std::string WindowTitle(bool metric);

}  // namespace cn3
