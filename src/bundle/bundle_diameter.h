// The bundle diameter: lays the selected cables out as touching circles and writes the
// diameter of the smallest enclosing circle found into the bundle row of the selection.
#pragma once

#include "forms/program.h"

namespace cn3 {

void ComputeBundleDiameter(Program& program);

}  // namespace cn3
