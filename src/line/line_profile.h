// The profile of a pole line: the ground under the poles, the poles to horizontal scale with
// their IDs, the strand as installed, at the hottest temperature and under the worst loading
// (each span the parabola between its attachments), and the required clearance over the
// ground. A span too low for its clearance has its governing strand drawn red and thick, its
// lowest point marked and, where there is room, "TOO LOW" written under it, so that a
// black-and-white page shows it too. Lengths are in display units; the vertical scale is
// exaggerated to fill the picture and the picture says by how much.
//
// It draws in the surface's twips scale within the rectangle it is given, on a screen's
// picture box as on a printed page, and leaves the surface's font as it found it.
#pragma once

#include "core/unit_table.h"
#include "line/pole_line.h"
#include "line/solve_line.h"
#include "ui/surface.h"

namespace cn3::line {

void DrawLineProfile(ui::Surface& surface, double left, double top, double width, double height,
                     const PoleLine& line, const LineSolution& solution, const Units& units);

}  // namespace cn3::line
