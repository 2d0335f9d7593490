// The catalogue columns as the span report and the cable listing print them: the headings
// block (four heading lines, the table's title on the last at the left margin, rows 50 twips
// under it) and a row of a cable's values right-aligned at the ends of their bands.
#pragma once

#include <optional>
#include <string_view>

#include "forms/program.h"
#include "reports/text_placement.h"
#include "ui/surface.h"

namespace cn3 {

// From the current y; leaves it where the first row goes.
void PrintCatalogueHeadings(const Program& program, ui::Surface& surface, const ColumnStops& stops,
                            std::string_view title);

// The name at the left margin and, when the cable table holds the cable (`row`), its fields 1
// to 7 shown in display units; the line is ended. A name that would run into the first value
// shrinks to end short of it.
void PrintCatalogueRow(const Program& program, ui::Surface& surface, const ColumnStops& stops,
                       std::string_view name, std::optional<int> row);

}  // namespace cn3
