// Choosing cables: a catalogue click tested against the selection rules (one strand or
// integrated messenger; a drop cable only alone), removal by a click on a selected cable,
// and the weight total of the bundle row.
#pragma once

#include "forms/program.h"

namespace cn3 {

void grid1_Click(Program& program);
void SelectCable(Program& program);
void Grid2_Click(Program& program);
void RemoveSelectedCable(Program& program);
void RefreshSelectionTotals(Program& program);
}  // namespace cn3
