// A worksheet for the selection tests: a small catalogue in memory (cables of every family,
// optionally one user-defined cable), the two grids of the "Cables" page, scripted dialogs,
// a temporary data folder and the events wired.
#pragma once

#include <string>
#include <vector>

#include "forms/program.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

using Names = std::vector<std::string>;

struct SelectionWorksheet {
    explicit SelectionWorksheet(bool withUserCable = true, bool metric = false);
    ~SelectionWorksheet() { program.dialogs = nullptr; }

    // Lists the family tab, then clicks the named cable's cell in the catalogue grid.
    void clickCatalogue(int familyTab, const std::string& name, int col = 0);
    void clickSelected(int row) { program.main.Grid2.click(row, 1); }

    Names listed() const;         // column 0 of the catalogue grid below its headings
    Names selectedNames() const;  // the selected cables, top to bottom
    std::string bundleCell(int col) const;

    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
};

}  // namespace cn3::test
