// The worksheet a line is strung with: read from a program's worksheet, and turned back into
// the plain span problem on a cable table (a line file holds cable names, not cables).
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "core/cable_table.h"
#include "engine/span_problem.h"
#include "forms/program.h"
#include "line/pole_line.h"

namespace cn3::line {

// The program's worksheet as a line takes it, or why it has no solution (an unknown cable,
// no carrier ...; the reasons of ReadSpanProblem).
std::variant<LineWorksheet, SolveStopped> LineWorksheetOf(const Program& program);

// The span problem of the worksheet's cables and loadings on `table`; span, sag, point of
// interest and clearance are left 0 for the line to set.
std::variant<SpanProblem, SolveStopped> ProblemOf(const LineWorksheet& worksheet,
                                                  const CableTable& table);

// The loading-table rows the worksheet draws: 1 and 2, then 4 and 5 for the user loadings.
std::vector<int> DrawnRows(const LineWorksheet& worksheet);

// The row's label as the loading table prints it, without its padding: "Rule 251 - Heavy".
std::string ConditionLabel(const LineWorksheet& worksheet, int row);

}  // namespace cn3::line
