// Placeholders until cable selection lands; the selection's own files replace them.
#include "selection/selection.h"

namespace cn3 {
void FillCatalogueGrid(Program&, int) {}
void SSTab2_Click(Program&) {}
void grid1_Click(Program&) {}
void SelectCable(Program&) {}
void Grid2_Click(Program&) {}
void RemoveSelectedCable(Program&) {}
void RefreshSelectionTotals(Program&) {}
void SSTab1_Click(Program&, int) {}
void Text5_Change(Program&) {}
void WireSelectionEvents(Program&) {}
}  // namespace cn3
