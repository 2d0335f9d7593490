// Headings and cells of the drawn results table: texts whose pieces, between "|", stand one
// under the other.
#pragma once

#include <string_view>

#include "ui/surface.h"

namespace cn3 {

// Prints the pieces of text between "|" one under the other from the current position,
// each centred on `width` from x, or starting at x itself when width is 0.
void PrintStackedHeading(ui::Surface& target, double x, double width, std::string_view text);

}  // namespace cn3
