// The start-up layout of the main window's three grids: column counts, widths and row
// heights in twips, alignment, headings. The column layout set here stays for the whole run.
#pragma once

#include "forms/program.h"

namespace cn3 {

// The selected-cables grid: heading row, bundle row, four columns.
void LayOutSelectedGrid(Program& program);
// Its headings; the diameter and weight headings come from the catalogue's, so call it after
// the catalogue is read.
void WriteSelectedHeadings(Program& program);

// The temperature-effect grid with its unit headings (column 4 is headed by the results).
void LayOutTemperatureGrid(Program& program);
// Its headings of columns 0 to 3, with the unit labels of the display units.
void WriteTemperatureHeadings(Program& program);

// The catalogue grid with every row of the cable table, numbers shown in display units.
void LayOutCatalogueGrid(Program& program);

}  // namespace cn3
