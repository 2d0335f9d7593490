// The catalogue grid of the "Cables" page listing one cable family at a time.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Lists the cables of family tab 0..5 in the catalogue grid, numbers in display units.
void FillCatalogueGrid(Program& program, int familyTab);
// A change of family tab lists that family.
void SSTab2_Click(Program& program);
}  // namespace cn3
