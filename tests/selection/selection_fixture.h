// A worksheet for the selection tests: a small catalogue built in memory (units, column kinds
// and patterns, cables of every family and one user-defined cable), the two grids of the
// "Cables" page laid out, scripted dialogs, a temporary data folder and the events wired.
#pragma once

#include <string>
#include <vector>

#include "forms/program.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

struct SelectionWorksheet {
    // withUserCable: one user-defined cable, "P USER 1", after the separator.
    explicit SelectionWorksheet(bool withUserCable = true, bool metric = false);
    ~SelectionWorksheet();

    // Lists a family tab the way a click on it does, then clicks the cell of the named cable.
    void clickCatalogue(int familyTab, const std::string& name, int col = 0);
    // Clicks a row of the selected-cables grid.
    void clickSelected(int row) { program.main.Grid2.click(row, 1); }

    // Column `col` of the catalogue grid, rows 1 up.
    std::vector<std::string> listed(int col = 0) const;
    // The names of the selected cables, top to bottom.
    std::vector<std::string> selectedNames() const;
    std::string bundleCell(int col) const;

    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
};

}  // namespace cn3::test
