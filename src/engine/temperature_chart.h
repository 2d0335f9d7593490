// The temperature chart: the installed cable's midspan sag (left axis) and tension (right
// axis) against the air temperature from -40 to 140 F, from the same 19 rows as the
// temperature-effect grid, in display units. The installed temperature is marked with a line
// and the installed sag and tension on it; with a clearance entered, the clearance at each
// temperature is drawn in a strip of its own under them, on the same temperature axis, and a
// clearance below 0 is marked and said.
//
// Sag is drawn with circles, tension with squares and clearance with triangles, so that the
// curves stay apart on a black-and-white page. It draws only into the given box.
#pragma once

#include "engine/chart_axis.h"
#include "engine/chart_parts.h"
#include "engine/span_solution.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

// Where the chart put its plot and how its axes run, for marks drawn over it and for tests.
struct TemperatureChartLayout {
    ChartBox plot;           // sag (left axis) and tension (right axis)
    ChartBox clearancePlot;  // under it, with a clearance entered; empty otherwise
    ChartAxis temperature, sag, tension, clearance;  // display units
};

TemperatureChartLayout DrawTemperatureChart(const Program& program, const SpanSolution& solution,
                                            ui::Surface& target, const ChartBox& box);

}  // namespace cn3
