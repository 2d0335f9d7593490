// The "NESC RESULTS" table: the loading conditions as centred columns under stacked
// headings, without rules, drawn on the main window's picture area (mode 0) or on the
// printed span report (mode 1, which adds the shown ice thickness and wind columns in a
// wider gap after the ice load). It only draws; the numbers come from LoadingResults.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "engine/stacked_heading.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr int kScreenTable = 0;
inline constexpr int kPrintedTable = 1;

// Left edges (twips) of heading columns 0..12 and 18..20; 12 and 20 are right edges only.
using TableColumns = std::array<short, 21>;
TableColumns LoadingTableColumns(int mode);

// A row of the table as drawn: its number (1..5) and the top of its line.
struct DrawnTableRow {
    int row = 0;
    double top = 0;
};

// Draws the table and gives back where its rows went, so that marks can be set on them.
std::vector<DrawnTableRow> DrawLoadingTable(Program& program, ui::Surface& target, int mode);

}  // namespace cn3
