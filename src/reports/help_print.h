// The printed help text: the lines of the help list (List1) at 10 points with a 700-twip left
// margin, the logo at the top of the first page, and a new page whenever less than two line
// heights remain (the last is the footer's, "Page n of m"). Later pages start with the help's
// first line, its title, and an empty line. The lines keep their blanks, so the text prints in even-width characters,
// as the list shows it; a text whose widest line would run past the page's right edge at 10
// points prints as much smaller as it needs to end on the page.
//
// The origin moves 700 twips right of the page's left edge, and the logo is centred by the
// page width in those shifted coordinates, so it stands 700 twips right of the page's centre;
// the first line starts under the logo's left edge and every later line at the margin. A
// first line too long to end on the page from there starts at the margin too.
#pragma once

#include "forms/program.h"
#include "ui/surface.h"

namespace cn3 {

inline constexpr double kHelpMargin = 700;

// Prints the help text; the host ends the document.
void PrintHelpText(Program& program, ui::Surface& surface);

}  // namespace cn3
