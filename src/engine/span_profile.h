// The span profile: the two supports, the installed cable and the cable under each loading row
// of the table as the parabola of its midspan sag, y = 4·D·x·(L − x)/L² below the supports,
// each curve numbered on the drawing and named in the legend beside it. The point of interest
// is marked on every curve while "Show Pt of Interest Distance" is ticked, measured from
// midspan, where the table's sag-at-point column measures it. Lengths are in display units; the vertical scale is exaggerated to fill the
// plot, and the drawing says by how much. A loading over the usable load is drawn red and
// thicker, and its legend line says so in words for black-and-white pages. The frame (axes,
// grid, supports, legend places) is the profile frame of one span.
#pragma once

#include <string>
#include <vector>

#include "engine/chart_axis.h"
#include "engine/chart_parts.h"
#include "engine/profile_frame.h"
#include "engine/span_solution.h"
#include "engine/usable_load_check.h"
#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

struct ProfileCurve {
    int row = 0;          // loading table row; 0 for the installed cable
    double sag = 0;       // display units
    bool over = false;    // over the usable load
    std::string caption;  // its legend text
};

struct SpanProfileLayout {
    ChartBox plot;
    ChartAxis distance, depth;  // display units; depth grows downwards from the supports
    double exaggeration = 1;    // vertical scale over horizontal scale
    std::vector<ProfileCurve> curves;
};

// The installed cable, then the drawn loading rows in table order.
std::vector<ProfileCurve> ProfileCurves(const Program& program, const SpanSolution& solution,
                                        const UsableLoadCheck& check);

SpanProfileLayout DrawSpanProfile(const Program& program, const SpanSolution& solution,
                                  const UsableLoadCheck& check, ui::Surface& target,
                                  const ChartBox& box);

}  // namespace cn3
