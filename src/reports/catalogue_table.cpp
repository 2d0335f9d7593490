#include "reports/catalogue_table.h"

namespace cn3 {

namespace {
constexpr double kRowsGap = 50;  // between the column headings and the first row
constexpr size_t kLastColumn = 7;
}  // namespace

void PrintCatalogueHeadings(const Program& program, ui::Surface& surface, const ColumnStops& stops,
                            std::string_view title) {
    const double headingTop = surface.currentY();
    for (int i = 0; i < 3; ++i) EndLine(surface);
    surface.print(title);
    const double rowsTop = surface.currentY();
    for (size_t c = 1; c <= kLastColumn; ++c) {
        surface.setCurrentY(headingTop);
        PrintColumnText(surface, stops[c], stops[c + 1] - stops[c], program.cables.rows[0][c]);
    }
    surface.setCurrentY(rowsTop + kRowsGap);
}

void PrintCatalogueRow(const Program& program, ui::Surface& surface, const ColumnStops& stops,
                       std::string_view name, std::optional<int> row) {
    surface.print(name, false);
    if (row)
        for (size_t c = 1; c <= kLastColumn; ++c)
            PrintRightAligned(surface, stops[c + 1],
                              program.units.toDisplay(program.columnUnitKinds[c],
                                                      static_cast<float>(program.cables.number(
                                                          *row, static_cast<int>(c))),
                                                      program.columnFormats[c]));
    EndLine(surface);
}

}  // namespace cn3
