// Making a text fit its field instead of running over its neighbour: shrinking it to a width,
// or breaking it into lines of a width, measured with the surface's own text widths. The
// printed reports reach them through their text placement; the printed NESC table uses them
// too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/surface.h"

namespace cn3::ui {

// The smallest size a text is shrunk to; below it a text runs over rather than turn unreadable.
inline constexpr double kSmallestFitSize = 5;

// The font size at which the text is no wider than `width`: the surface's current size when
// it fits already, else the size scaled down to the width and then in steps of 0.1 point
// until it fits, but not below `smallest`. The surface's font is left as it was. Example: on
// the recording surface "ABCDEFGHIJKL" (12 characters) at 10 points is 1200 twips wide; in
// 1000 twips it prints at 8.33 points.
double FitText(ui::Surface& surface, std::string_view text, double width,
               double smallest = kSmallestFitSize);

// The text broken into lines no wider than `width` at the current font: at blanks (which the
// break swallows), and a word wider than the width by characters. An empty text is one empty
// line. Example: "Three coax lashed" in 1000 twips at 10 points on the recording surface (100
// twips a character) is "Three coax" and "lashed".
std::vector<std::string> WrapText(const ui::Surface& surface, std::string_view text, double width);

}  // namespace cn3::ui
