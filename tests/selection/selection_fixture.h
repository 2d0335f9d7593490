// A worksheet for the selection tests: a small catalogue in memory (cables of every family,
// optionally one user-defined cable), the two grids of the "Cables" page, scripted dialogs,
// a temporary data folder and the events wired.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "forms/program.h"
#include "selection/selection.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

using Names = std::vector<std::string>;

struct SelectionWorksheet {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
    MainForm& form = program.main;

    explicit SelectionWorksheet(bool withUserCable = true, bool metric = false) {
        program.dialogs = &dialogs;
        program.dataFolder = folder.path().string();
        Units& units = program.units;
        units.metricUnits = metric ? 1 : 0;
        units.table[0] = {"", "", 1.0f, 0.0f};  // plain numbers
        units.table[2] = {"lb", "N", 4.448222f, 0.0f};
        units.table[3] = {"in", "mm", 25.4f, 0.0f};
        units.table[5] = {"lb/ft", "kg/m", 1.488164f, 0.0f};
        program.columnUnitKinds = {0, 0, 0, 3, 0, 5, 2, 2, 0, 0};
        program.columnFormats = {"", "##0", "##0", "##0.000", "0.0000000", "##0.000", "#,###,##0",
                                 "#,###,##0", "", ""};
        // Name, two shown-only columns, diameter (in), thermal coefficient, weight (lb/ft),
        // stiffness (lb), breaking strength (lb). Row 1 is never listed on a family tab;
        // "OTHER" fits no family.
        const std::vector<CableRecord> cables = {
            {"1/4 EHS FIRST"}, {"6M EHS", "1", "7", "0.250", "0.0000064", "0.121", "1520000", "6650"},
            {"10M EHS"}, {"P3 500", "1", "0", "0.500", "", "0.084"}, {"P3 500 M"},
            {"C 750", "1", "0", "0.750", "", "0.161"}, {"LX 540"}, {"LX 540 AM"}, {"ORF 24"},
            {"ORF 48 SS"}, {"RG6 VM", "1", "0", "0.270", "0.0000070", "0.035", "40000", "600"}, {"OTHER"}, {"User Defined\n\rCables"}};
        CableTable& table = program.cables;
        std::copy(cables.begin(), cables.end(), table.rows.begin() + 1);
        table.userSeparatorRow = table.lastCableRow = static_cast<std::int16_t>(cables.size());
        if (withUserCable)
            table.rows[static_cast<size_t>(++table.lastCableRow)] = {"P USER 1", "1", "0", "0.400",
                                                                     "0.0000070", "0.100"};
        AssignKindCodes(table);
        form.Grid1.setCols(8);
        form.Grid1.setRows(1);
        form.Grid2.setCols(4);
        form.Grid2.setRows(2);
        form.Grid2.setFixedRows(1);
        form.Grid2.setText(1, 1, "Bundle");
        WireSelectionEvents(program);
    }
    ~SelectionWorksheet() { program.dialogs = nullptr; }

    // Lists the family tab, then clicks the named cable's cell in the catalogue grid.
    void clickCatalogue(int familyTab, const std::string& name, int col = 0) {
        form.SSTab2.setTab(familyTab);
        FillCatalogueGrid(program, familyTab);
        const Names names = listed();
        const auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end()) ADD_FAILURE() << name << " is not listed on family tab " << familyTab;
        else form.Grid1.click(static_cast<int>(at - names.begin()) + 1, col);
    }
    void clickSelected(int row) { form.Grid2.click(row, 1); }

    Names listed() const { return column(form.Grid1, 0, 0); }  // the catalogue below its headings
    Names selectedNames() const { return column(form.Grid2, 1, 1); }  // above the bundle row
    std::string bundleCell(int col) const { return form.Grid2.text(form.Grid2.rows() - 1, col); }
    const CableRecord& lastRow() const {
        return program.cables.rows[static_cast<size_t>(program.cables.lastCableRow)];
    }

    static Names column(const ui::Grid& grid, int col, int rowsBelow) {
        Names out;
        for (int row = 1; row + rowsBelow < grid.rows(); ++row) out.push_back(grid.text(row, col));
        return out;
    }
};

}  // namespace cn3::test
