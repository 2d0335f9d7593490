// The pole grid of the "Pole Line" window and the line it holds: headings in the display
// units, a line written into it, and the grid read back into a line, where every cell that
// cannot be read is marked and said in words, never taken as 0. Rows left wholly blank (a row
// just added) are passed over.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/unit_table.h"
#include "line/pole_line.h"
#include "ui/grid.h"

namespace cn3::line {

// The heading row: "Pole ID", "Ground\n\rElevation (ft)" ... with the display length unit.
void ShowPoleGridHeadings(ui::Grid& grid, const Units& units);

// One row per pole under the headings, in display units; the marks are cleared.
void FillPoleGrid(ui::Grid& grid, const PoleLine& line, const Units& units);

struct PoleGridReading {
    // The poles and spans (installation and default clearance left as they come in the
    // `settings` given), when every cell reads and there are at least two poles.
    std::optional<PoleLine> line;
    // "Row 3 (P3), Ground Elevation: a length in ft is needed, not "x"." one per bad cell.
    std::vector<std::string> faults;
    int poles = 0;  // rows that are not blank
};

// Reads the grid in display units and marks exactly the cells it cannot read.
PoleGridReading ReadPoleGrid(ui::Grid& grid, const Units& units, const PoleLine& settings);

// Every cell holding a value typed under `from` rewritten as that value under `to` (the unit
// system switched); a cell that cannot be read stays as typed.
void ConvertPoleGrid(ui::Grid& grid, const Units& from, const Units& to);

}  // namespace cn3::line
