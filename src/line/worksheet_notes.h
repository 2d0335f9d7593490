// What the "Pole Line" window says of the worksheet a line file was saved with, in the
// display units: a short summary of it, and where it differs from the worksheet in use.
#pragma once

#include <string>

#include "core/unit_table.h"
#include "line/pole_line.h"

namespace cn3::line {

// "1/4 EHS 6M, P 750; installed at 60 deg F; sag 1.5 %".
std::string WorksheetSummary(const LineWorksheet& worksheet, const Units& units);

// What the file's worksheet holds where the one in use holds something else, as the file has
// it: "bundle diameter 0.85 in; 2 user loadings drawn"; empty when they are the same.
std::string WorksheetDifferences(const LineWorksheet& file, const LineWorksheet& inUse,
                                 const Units& units);

}  // namespace cn3::line
