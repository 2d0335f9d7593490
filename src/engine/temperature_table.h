// The temperature-effect grid GridTemp: for -40 to 140 deg F in steps of 10, the sag,
// tension, length change and clearance of the installed cable (no creep, ice or wind),
// and the clearance heading.
#pragma once

#include <array>

#include "engine/span_problem.h"
#include "forms/program.h"

namespace cn3 {

// The 19 rows: the installed cable brought to each temperature under its own weight.
std::array<TemperatureRow, kTemperatureRows> SweepTemperatures(const SpanProblem& problem,
                                                               const InstalledState& installed);

// Rows 1..19, columns 0..4, from the solution's sweep.
void FillTemperatureTable(Program& program, const SpanSolution& solution);

// Row 0, column 4: "Clearance", the break, and the clearance entry with its unit when it
// is not 0.
void WriteClearanceHeading(Program& program);

}  // namespace cn3
