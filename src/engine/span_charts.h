// The charts on the main window: the temperature chart beside the temperature-effect grid
// (shown while "Show 'Effect of Temperature Change'" is ticked) and, under the loading table,
// the usable-load check line over the span profile. Both are drawn from the solution the
// result views show (Program::shownSolution), so they always agree with the numbers; with no
// solution they are blank. It also draws the check block the printed report reuses.
#pragma once

#include "engine/chart_parts.h"
#include "engine/span_solution.h"
#include "engine/usable_load_check.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

// The layout sizes (twips) the two pictures are drawn for; the view shows them scaled up.
inline constexpr double kTemperatureChartWidth = 6600, kTemperatureChartHeight = 3300;
inline constexpr double kSpanProfileWidth = 9000, kSpanProfileHeight = 3400;

// Keeps the solution for the charts and draws both pictures; called by every full
// recomputation.
void ShowSolutionCharts(Program& program, const SpanSolution& solution);

// Clears both pictures and forgets the solution (a new worksheet).
void ClearSolutionCharts(Program& program);

// The temperature chart shows with the temperature-effect grid.
void ShowTemperatureChart(Program& program);

// The check line at the top of the box, framed in red when a loading is over the usable load,
// then the span profile in the rest of the box.
void DrawProfileWithCheck(const Program& program, const SpanSolution& solution, ui::Surface& target,
                          const ChartBox& box);

}  // namespace cn3
