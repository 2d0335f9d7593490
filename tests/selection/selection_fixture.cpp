#include "selection/selection_fixture.h"

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "selection/selection.h"

namespace cn3::test {

namespace {
// Name, two shown-only columns, diameter (in), thermal coefficient, weight (lb/ft),
// stiffness (lb), breaking strength (lb). Row 1 is never listed on a family tab.
const std::vector<CableRecord> kCables = {
    {"1/4 EHS FIRST", "1", "7", "0.250", "0.0000064", "0.121", "1520000", "6650"},
    {"6M EHS", "1", "7", "0.250", "0.0000064", "0.121", "1520000", "6650"},
    {"10M EHS", "1", "7", "0.312", "0.0000064", "0.195", "2370000", "11200"},
    {"P3 500", "1", "0", "0.500", "", "0.084"},
    {"P3 500 M", "1", "0", "0.560", "0.0000070", "0.170", "900000", "5500"},
    {"C 750", "1", "0", "0.750", "", "0.161"},
    {"LX 540", "1", "0", "0.540", "", "0.088"},
    {"LX 540 AM", "1", "0", "0.600", "0.0000070", "0.190", "950000", "6000"},
    {"ORF 24", "1", "0", "0.480", "", "0.070"},
    {"ORF 48 SS", "1", "0", "0.550", "0.0000080", "0.120", "400000", "3000"},
    {"RG6 VM", "1", "0", "0.270", "0.0000070", "0.035", "40000", "600"},
    {"OTHER"},  // fits no family
};
}  // namespace

SelectionWorksheet::SelectionWorksheet(bool withUserCable, bool metric) {
    program.dialogs = &dialogs;
    program.dataFolder = folder.path().string();
    Units& units = program.units;
    units.metricUnits = metric ? 1 : 0;
    units.table[0] = {"", "", 1.0f, 0.0f};  // plain numbers
    units.table[2] = {"lb", "N", 4.448222f, 0.0f};
    units.table[3] = {"in", "mm", 25.4f, 0.0f};
    units.table[4] = {"ft", "m", 0.3048f, 0.0f};
    units.table[5] = {"lb/ft", "kg/m", 1.488164f, 0.0f};
    program.columnUnitKinds = {0, 0, 0, 3, 0, 5, 2, 2, 0, 0};
    program.columnFormats = {"",        "##0",       "##0",       "##0.000", "0.0000000",
                             "##0.000", "#,###,##0", "#,###,##0", "",        ""};

    CableTable& table = program.cables;
    int r = 1;
    for (const CableRecord& cable : kCables) table.rows[static_cast<size_t>(r++)] = cable;
    table.rows[static_cast<size_t>(r)][field::kName] = "User Defined\n\rCables";
    table.userSeparatorRow = table.lastCableRow = static_cast<std::int16_t>(r);
    if (withUserCable) {
        table.rows[static_cast<size_t>(++table.lastCableRow)] = {"P USER 1", "1",         "0",
                                                                 "0.400",    "0.0000070", "0.100"};
    }
    AssignKindCodes(table);

    MainForm& form = program.main;
    form.Grid1.setCols(8);
    form.Grid1.setRows(1);
    form.Grid2.setCols(4);
    form.Grid2.setRows(2);
    form.Grid2.setFixedRows(1);
    form.Grid2.setText(1, 1, "Bundle");
    WireSelectionEvents(program);
}

void SelectionWorksheet::clickCatalogue(int familyTab, const std::string& name, int col) {
    program.main.SSTab2.setTab(familyTab);
    FillCatalogueGrid(program, familyTab);
    const Names names = listed();
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return program.main.Grid1.click(static_cast<int>(i) + 1, col);
    }
    ADD_FAILURE() << name << " is not listed on family tab " << familyTab;
}

Names SelectionWorksheet::listed() const {
    Names out;
    for (int row = 1; row < program.main.Grid1.rows(); ++row)
        out.push_back(program.main.Grid1.text(row, 0));
    return out;
}

Names SelectionWorksheet::selectedNames() const {
    Names out;
    for (int row = 1; row + 1 < program.main.Grid2.rows(); ++row)
        out.push_back(program.main.Grid2.text(row, 1));
    return out;
}

std::string SelectionWorksheet::bundleCell(int col) const {
    return program.main.Grid2.text(program.main.Grid2.rows() - 1, col);
}

}  // namespace cn3::test
