// Turning the main pages: leaving "Cables" for a page that shows results needs a cable that
// carries the span, and result pages are recomputed.
#pragma once

#include "forms/program.h"

namespace cn3 {

void SSTab1_Click(Program& program, int previousTab);
}  // namespace cn3
