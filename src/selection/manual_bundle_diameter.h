// The bundle diameter typed by hand into "Enter Bundle Diameter" (Text5).
//
// While Text5 is not empty, the bundle cell (last row of Grid2, column 2) reads "Ovr " and the
// typed number in display units, e.g. "Ovr 1.250"; the computation reads the cell, so that is
// the diameter it uses. Emptying Text5 computes the diameter again at once, so the cell never
// keeps a stale manual value. The bundle plot button is offered only for a computed diameter.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Writes "Ovr " + the number of Text5 into the bundle cell while Text5 is not empty.
// Returns whether a manual value is in force.
bool ShowManualBundleDiameter(Program& program);

// After any change of the selection: lays the bundle out again (which writes the computed
// diameter only while Text5 is empty), then puts a manual value back into the cell.
void UpdateBundleDiameter(Program& program);

// A change of the typed diameter.
void Text5_Change(Program& program);

}  // namespace cn3
