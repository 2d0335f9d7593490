// What the drawn NESC table shows of the five loading conditions: which rows, their labels and
// their cells, as the loading window's ticks and the loading results have them. The screen
// table, the printed table, the usable-load check, the span profile and the batch output all
// read them here.
#pragma once

#include <string>
#include <vector>

#include "forms/program.h"

namespace cn3 {

// The rows of the loading table that are drawn, in order: 1 and 2, then 4 while the first
// user loading is ticked and 5 while the second is ticked as well (row 3 never shows).
std::vector<int> DrawnLoadingRows(const Program& program);

// The label of a row as the table prints it: "Rule 251 - Heavy        " for a district.
std::string LoadingRowLabel(const Program& program, int row);

// The number in loading-results row `row`, field `field`, as its column shows it (its
// pattern, in display units, no unit label).
std::string LoadingCellText(const Program& program, int row, int field);

}  // namespace cn3
