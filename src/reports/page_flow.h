// Keeping a printed block on one page: a block (a function that prints from the current
// position) is first run on a measuring surface with the page's text metrics, and when its
// lowest line would run past the bottom of the page a new page is started before it is
// printed for real. Only for twips scales, the scale every report prints in.
#pragma once

#include <functional>

#include "ui/surface.h"

namespace cn3 {

using PrintBlock = std::function<void(ui::Surface&)>;

// The lowest y (scale units) that the block's text would reach if it were printed from the
// surface's current position; the surface itself is not touched.
double BlockBottom(ui::Surface& surface, const PrintBlock& block);

// Starts a new page first when the block would run past the bottom of the page and the page
// already holds something above the current position (a block taller than a page is printed
// from the top of a page all the same). Then prints the block.
void PrintOnOnePage(ui::Surface& surface, const PrintBlock& block);

}  // namespace cn3
