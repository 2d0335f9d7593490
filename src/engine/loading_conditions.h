// The five loading conditions: the selected Rule 251 district, then loading records 3, 4, 5
// and 6. Each is the installed cable, lengthened by the temperature change and creep, under
// its ice, wind and load constant. All five are worked out on every run, whatever the
// loading window shows.
#pragma once

#include <array>

#include "engine/span_problem.h"
#include "forms/program.h"

namespace cn3 {

// The loading record behind condition 1..5.
int ConditionRecord(int condition, int selectedDistrict);

// The five conditions of the problem's cable as installed.
std::array<LoadingCondition, kConditions> SolveLoadingConditions(const SpanProblem& problem,
                                                                 const InstalledState& installed);

// LoadingResults rows 1..5 from the conditions: columns 0..12, and 18 and 19 (the ice
// thickness and wind numbers as the loading window's cells show them) with their unit kind
// and patterns.
void WriteLoadingResults(Program& program, const SpanSolution& solution);

}  // namespace cn3
