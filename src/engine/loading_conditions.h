// The five loading conditions of LoadingResults rows 1..5: the selected Rule 251 district,
// then loading records 3, 4, 5 and 6. Each is the installed cable, lengthened by the
// temperature change and creep, under its ice, wind and load constant. All five are worked
// out on every run, whatever the loading window shows.
#pragma once

#include "engine/installed_state.h"
#include "forms/program.h"

namespace cn3 {

inline constexpr int kConditions = 5;

// The loading record behind condition 1..5.
int ConditionRecord(int condition, int selectedDistrict);

// Rows 1..5, columns 0..12, for a bundle of diameter d (in).
void ComputeLoadingConditions(Program& program, const SpanSolution& solution, float d);

// Columns 18 and 19: the ice thickness and wind numbers of each condition's row in the
// loading window, with their unit kind and patterns.
void CopyLoadingWindowNumbers(Program& program);

}  // namespace cn3
