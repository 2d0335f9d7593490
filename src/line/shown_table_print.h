// A shown table (line/line_tables.h) printed across the page through the report's pager: a
// bold title, the column headings (wrapped to their columns) over a rule, and the rows. A
// failing cell is framed in red and printed bold, its words saying why; a marked cell (the
// installed temperature) is shaded and bold. A table a page can hold starts on a new page
// rather than break; a longer one keeps its title and headings with its first rows and repeats
// them, with "(continued)", on each page it goes on on.
#pragma once

#include <string>
#include <vector>

#include "line/line_tables.h"
#include "reports/pager.h"

namespace cn3::line {

// Column widths within `width` at the surface's current font, padding included: each at least
// as wide as its widest cell, its heading's widest word and half its heading's widest line (so
// that a line of the heading wraps in two at most), and as wide as its heading's lines
// unwrapped when there is room (the room shared among the headings that would wrap when there
// is not), widened evenly up to half as wide again when there is more; narrowed in proportion
// when even the least widths do not fit.
std::vector<double> ColumnWidths(ui::Surface& surface, const ShownTable& table, double width,
                                 double padding);

// Prints the table from the current y at the left margin, at `fontSize` points, with the
// legend (if any) under its title; leaves the current y under it.
void PrintShownTable(Pager& pager, const std::string& title, const ShownTable& table,
                     double fontSize, const std::string& legend = {});

}  // namespace cn3::line
