// The three ways the printed reports place text: centred on the page, right-aligned at a
// stop, and stacked in a column band. The span report and the cable listing share them and
// the column stops of the catalogue columns. They only place text; they never start pages.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "ui/surface.h"
#include "ui/text_fit.h"  // FitText and WrapText: a text made to fit its field

namespace cn3 {

// Column stops in twips, indices 0 to 12: stop 0 = 0, stop 1 = 1500, then every 1100 up to
// stop 10 = 11400; stops 11 and 12 stay 0. Catalogue column c (1 to 7) is headed in the band
// from stop c to stop c + 1 and its values end at stop c + 1 (column 3 ends at 4800).
using ColumnStops = std::array<std::int16_t, 13>;
ColumnStops MakeColumnStops();

// Centred across the whole surface width, ending the line.
void PrintCentred(ui::Surface& surface, std::string_view text);
// Ending at x, without ending the line: "0.25" at 10 points on a 100-twip-per-character
// surface starts at x - 400.
void PrintRightAligned(ui::Surface& surface, double x, std::string_view text);
// Each piece of the text between line breaks (LF CR) on a line of its own, from the current
// y down: centred in the band from x to x + width, or starting at x when width is 0. A text
// without a break is one piece; empty pieces print as empty lines.
void PrintColumnText(ui::Surface& surface, double x, double width, std::string_view text);

// Ends the current line: the next print starts one line lower at the left margin.
void EndLine(ui::Surface& surface);

using ui::FitText;
using ui::kSmallestFitSize;
using ui::WrapText;

}  // namespace cn3
