#include "app/grid_setup.h"

#include <array>
#include <string>

#include "core/number_format.h"

namespace cn3 {

namespace {

template <size_t N>
void SetWidths(ui::Grid& grid, const std::array<int, N>& twips) {
    for (size_t c = 0; c < N; ++c) grid.setColWidth(static_cast<int>(c), twips[c]);
}

// A heading without its first two characters: the first line and its break when that line
// is empty, so "\n\rOutside\n\rDiameter\n\r(in)" becomes "Outside\n\rDiameter\n\r(in)".
std::string WithoutFirstTwo(const std::string& heading) {
    return heading.size() > 2 ? heading.substr(2) : std::string();
}

}  // namespace

void LayOutSelectedGrid(Program& program) {
    ui::Grid& grid = program.main.Grid2;
    grid.setCols(4);
    grid.setRows(2);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    SetWidths(grid, std::array{300, 1100, 900, 700});
    grid.setRowHeight(0, 600);
    grid.setColAlignment(2, ui::Align::Right);
    grid.setColAlignment(3, ui::Align::Right);
}

void WriteSelectedHeadings(Program& program) {
    ui::Grid& grid = program.main.Grid2;
    const CableRecord& headings = program.cables.rows[0];
    grid.setText(0, 0, "No.");
    grid.setText(0, 1, std::string("Selected") + std::string(kHeaderBreak) + "Cables");
    grid.setText(0, 2, WithoutFirstTwo(headings[field::kDiameter]));
    grid.setText(0, 3, WithoutFirstTwo(headings[field::kWeightPerLength]));
    grid.setText(grid.rows() - 1, 1, "Bundle");
}

void LayOutTemperatureGrid(Program& program) {
    ui::Grid& grid = program.main.GridTemp;
    grid.setCols(5);
    grid.setRows(2);
    grid.setFixedRows(1);
    grid.setFixedCols(0);
    SetWidths(grid, std::array{600, 800, 650, 900, 900});
    grid.setRowHeight(0, 450);
    for (int c = 0; c < 5; ++c) grid.setColAlignment(c, ui::Align::Right);
    WriteTemperatureHeadings(program);
}

void WriteTemperatureHeadings(Program& program) {
    ui::Grid& grid = program.main.GridTemp;
    const Units& units = program.units;
    const std::string br(kHeaderBreak);
    grid.setText(0, 0, "Temp" + br + units.label(unit::kTemperature));
    grid.setText(0, 1, "Midspan" + br + "Sag (" + units.label(unit::kLength) + ")");
    grid.setText(0, 2, "Tension" + br + "(" + units.label(unit::kForce) + ")");
    grid.setText(0, 3, "% Length" + br + "Change");
}

void LayOutCatalogueGrid(Program& program) {
    ui::Grid& grid = program.main.Grid1;
    const CableTable& table = program.cables;
    const int lastRow = table.lastCableRow;
    grid.setCols(8);
    grid.setRows(lastRow + 1);
    grid.setFixedRows(1);
    grid.setFixedCols(1);
    SetWidths(grid, std::array{1700, 800, 900, 800, 800, 800, 900, 600});
    grid.setRowHeight(0, 800);
    grid.setRowHeight(table.userSeparatorRow, 400);
    for (int c = 1; c < 8; ++c) grid.setColAlignment(c, ui::Align::Right);

    for (int col = 0; col < 8; ++col) {
        const auto kind = program.columnUnitKinds[static_cast<size_t>(col)];
        const std::string& format = program.columnFormats[static_cast<size_t>(col)];
        for (int row = 0; row <= lastRow; ++row) {
            const CableRecord& record = table.rows[static_cast<size_t>(row)];
            const std::string& text = record[static_cast<size_t>(col)];
            // Only cable rows (first numeric field above 0) are converted; headings, the
            // separator and rows the file left without figures show exactly as written.
            const bool convert = row > 0 && col > 0 && table.number(row, field::kFirstNumeric) > 0;
            grid.setText(row, col,
                         convert ? program.units.toDisplay(
                                       kind, static_cast<float>(LeadingNumber(text)), format)
                                 : text);
        }
    }
}

}  // namespace cn3
