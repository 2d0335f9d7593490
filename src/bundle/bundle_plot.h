// The bundle plot: the layout turned so that the strand is on top, drawn in the plot window
// with a legend.
#pragma once

#include "forms/program.h"

namespace cn3 {

// "View Bundle Plot".
void ShowBundlePlot(Program& program);
void DrawBundle(Program& program);

}  // namespace cn3
