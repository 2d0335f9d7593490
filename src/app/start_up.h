// The program's start-up, run once before the main window is shown:
//   LoadSettings  -> data folder, units (asking on the very first run), title, NewWorksheet
//   LoadCatalogue -> catalogue, user cables, grids, help list, loading window, SetStartValues
//   FinishStartUp -> tab caption type, today's date
// StartProgram runs the three in order after wiring every event; the Qt main() and the tests
// both call it. Nothing here touches a widget.
#pragma once

#include "app/load_catalogue.h"
#include "app/load_settings.h"
#include "forms/program.h"

namespace cn3 {

void FinishStartUp(Program& program);

// Wires the events, then runs the whole start-up. False when the program must stop.
bool StartProgram(Program& program, FirstRun firstRun = FirstRun::Ask);

}  // namespace cn3
