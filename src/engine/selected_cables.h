// The selection as the computation reads it from the selected-cables grid Grid2: row 0
// holds headings, rows 1..n one cable each (name in column 1), the last row the bundle row.
#pragma once

#include <string>
#include <vector>

#include "forms/program.h"

namespace cn3 {

// The names in rows 1..n, in grid order; none when the grid has no cable rows.
std::vector<std::string> SelectedCableNames(const MainForm& main);

// The bundle diameter (in) from column 2 of the bundle row. A text "Ovr", one separating
// character and a number (a diameter typed by hand) counts as that number; an empty cell
// is 0.
float OverallDiameter(const Program& program);

}  // namespace cn3
