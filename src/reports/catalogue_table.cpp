#include "reports/catalogue_table.h"

#include <array>
#include <string>

namespace cn3 {

namespace {
constexpr double kRowsGap = 50;  // between the column headings and the first row
constexpr size_t kLastColumn = 7;
constexpr double kNameGap = 100;  // kept clear between a cable's name and its first value
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
    std::array<std::string, kLastColumn + 1> values;
    if (row)
        for (size_t c = 1; c <= kLastColumn; ++c)
            values[c] = program.units.toDisplay(
                program.columnUnitKinds[c],
                static_cast<float>(program.cables.number(*row, static_cast<int>(c))),
                program.columnFormats[c]);
    // A long name shrinks to end short of the first value instead of running over it.
    const double room = (row ? stops[2] - surface.textWidth(values[1]) : surface.scaleWidth()) -
                        kNameGap - surface.currentX();
    const double size = surface.fontSize(), top = surface.currentY();
    const double lineHeight = surface.textHeight();
    surface.setFontSize(FitText(surface, name, room));
    surface.setCurrentY(top + lineHeight - surface.textHeight());  // on the line's foot
    surface.print(name, false);
    surface.setFontSize(size);
    surface.setCurrentY(top);
    if (row)
        for (size_t c = 1; c <= kLastColumn; ++c) PrintRightAligned(surface, stops[c + 1], values[c]);
    EndLine(surface);
}

}  // namespace cn3
