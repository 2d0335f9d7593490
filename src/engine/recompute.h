// One recomputation of the worksheet: reads the controls afresh, solves the span and
// rewrites the results text, the temperature-effect grid, the loading results and the drawn
// results table. Does nothing until the worksheet-edited flag is set.
#pragma once

#include "forms/program.h"

namespace cn3 {

void Recompute(Program& program);

}  // namespace cn3
