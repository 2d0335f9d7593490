// Cable selection on the "Cables" page: the family listing, the selection rules and their
// messages, removal, the weight total and the page-change check for a carrying cable.
#pragma once

#include "forms/program.h"

namespace cn3 {

void FillCatalogueGrid(Program& program, int familyTab);
void SSTab2_Click(Program& program);
void grid1_Click(Program& program);
void SelectCable(Program& program);
void Grid2_Click(Program& program);
void RemoveSelectedCable(Program& program);
void RefreshSelectionTotals(Program& program);
void SSTab1_Click(Program& program, int previousTab);
void Text5_Change(Program& program);

}  // namespace cn3
