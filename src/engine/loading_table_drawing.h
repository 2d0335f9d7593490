// The "NESC RESULTS" table: the loading conditions as centred columns under stacked
// headings, without rules, drawn on the main window's picture area (mode 0) or on the
// printed span report (mode 1, which adds the shown ice thickness and wind columns in a
// wider gap after the ice load). It only draws; the numbers come from LoadingResults.
#pragma once

#include <array>
#include <string_view>

#include "engine/stacked_heading.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr int kScreenTable = 0;
inline constexpr int kPrintedTable = 1;

// Left edges (twips) of heading columns 0..12 and 18..20; 12 and 20 are right edges only.
using TableColumns = std::array<short, 21>;
TableColumns LoadingTableColumns(int mode);

void DrawLoadingTable(Program& program, ui::Surface& target, int mode);

}  // namespace cn3
