// The program's start-up, run once before the main window is shown:
//   LoadSettings  -> data folder, units (asking on the very first run), title, NewWorksheet
//   LoadCatalogue -> catalogue, user cables, grids, help list, loading window, SetStartValues
//   FinishStartUp -> tab caption type, today's date
// StartProgram runs the three in order after wiring every event; the Qt main() and the tests
// both call it. Nothing here touches a widget.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Fixes the data folder (the process's current folder unless program.dataFolder is already
// set, as tests do), settles the unit system, titles the window and starts a new worksheet.
void LoadSettings(Program& program);

// An empty, untitled worksheet on the "Cables" page with the "Strand" family tab.
void NewWorksheet(Program& program);

// Reads every data file and fills the windows. False, after one message box naming the file,
// line and fault, when the catalogue cannot be read; the program cannot go on then.
bool LoadCatalogue(Program& program);

// The starting texts of the span entries, shown through the display conversion.
void SetStartValues(Program& program);

void FinishStartUp(Program& program);

// Wires the events, then runs the whole start-up. False when the program must stop.
bool StartProgram(Program& program);

// The main window's title for a unit system.
std::string WindowTitle(bool metric);

}  // namespace cn3
