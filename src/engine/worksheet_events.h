// The main-window events that change the span and end in a recomputation.
#pragma once

#include "forms/program.h"

namespace cn3 {

void Text9_Change(Program& program, int index);
void Option1_Click(Program& program);
void Check1_Click(Program& program, int index);
void Check2_Click(Program& program);
void HScroll1_Change(Program& program);
// The scroll bar's caption, "Installed Temperature " and its value in display units.
void ShowInstalledTemperature(Program& program);
// "Set Ice / Wind Load": shows the loading window modally, then recomputes.
void Command5_Click(Program& program);

}  // namespace cn3
