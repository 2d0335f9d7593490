// Headings and cells of the drawn results table: texts whose pieces, between "|", stand one
// under the other.
#pragma once

#include <string_view>

#include "ui/surface.h"

namespace cn3 {

// Prints the pieces of text between "|" one under the other from the current position,
// each centred on `width` from x, or starting at x itself when width is 0.
void PrintStackedHeading(ui::Surface& target, double x, double width, std::string_view text);

// As PrintStackedHeading, but a piece wider than `width` (not counting the blanks at its end)
// is printed in a smaller type until it fits, down to 4 points, so that it never runs into
// its neighbours; the lines still step down by the line height of the type set. Pieces that
// fit print exactly as PrintStackedHeading prints them.
void PrintFittedStack(ui::Surface& target, double x, double width, std::string_view text);

// One line of text, centred on `width` from x or starting at x, shrunk as PrintFittedStack
// shrinks its pieces; a bar in it is printed as it is.
void PrintFittedLine(ui::Surface& target, double x, double width, std::string_view text,
                     bool centred);

}  // namespace cn3
