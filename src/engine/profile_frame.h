// The plot frame of a cable profile: the title, the note on the vertical scale, the depth and
// distance axes with their grid, the supports, and the legend's places. It is fed a plain
// description of the spans, left to right, so that the one span of the worksheet and the spans
// of a pole line share it; it knows nothing of a worksheet. The caller draws the curves
// through the frame's mapping, then their legend lines through the frame.
//
// Example: two spans of 150 and 200 ft with a deepest sag of 4.2 ft give a distance axis of
// 0 to 350 ft ticked every 100 ft, a depth axis of 0 to 6 ft in steps of 2, and three supports.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/chart_axis.h"
#include "engine/chart_parts.h"
#include "ui/surface.h"

namespace cn3 {

struct ProfileSpans {
    std::vector<double> lengths;  // display units, left to right; a support stands at each end
    double deepest = 0;           // the deepest sag drawn, display units
    std::string lengthUnit;       // "ft"
    std::string endText;          // the right end's label, the whole length with its unit
};

struct ProfileFrame {
    ChartBox plot;
    ChartAxis distance, depth;  // display units; depth grows downwards from the supports
    double exaggeration = 1;    // vertical scale over horizontal scale
    double lineHeight = 0;      // of the frame's text
    double legendLeft = 0;
    std::vector<double> supports;  // display units from the left end

    double x(double distanceAlong) const { return distance.place(distanceAlong, plot.left, plot.right()); }
    double y(double depthBelow) const { return depth.place(depthBelow, plot.top, plot.bottom()); }

    // Legend line `index` (from the top): a stroke in the curve's colour and width, the
    // curve's number and its caption.
    void drawLegendEntry(ui::Surface& target, size_t index, std::string_view number,
                         std::string_view caption, ui::Rgb colour, double width) const;
};

// The note on the vertical scale: "Vertical scale exaggerated 18 times" (one decimal below 10
// times), "... as the horizontal" within 5 %, "... reduced to 0.50 of the horizontal" below it.
std::string ScaleNote(double exaggeration);

// Draws the frame "Span Profile" in the box: the plot leaves room for the depth labels at the
// left, two lines of titles above, two lines of distance labels below, and the legend at the
// right. Text is left at the frame's plain size.
ProfileFrame DrawProfileFrame(ui::Surface& target, const ChartBox& box, const ProfileSpans& spans);

}  // namespace cn3
