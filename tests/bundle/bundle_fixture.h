// A Program with the selected-cables grid laid out as start-up leaves it, English display,
// scripted dialogs, and a way to select cables as the selection code does.
#pragma once

#include <string>

#include "forms/program.h"
#include "support/scripted_dialogs.h"

namespace cn3::test {

struct BundleFixture {
    Program program;
    ScriptedDialogs dialogs;

    BundleFixture() {
        program.dialogs = &dialogs;
        program.pi = 3.141592653589793;
        UnitRow& small = program.units.table[unit::kSmallLength];
        small.englishLabel = "in";
        small.metricLabel = "mm";
        small.factor = 25.4f;

        ui::Grid& grid = program.main.Grid2;
        grid.setCols(4);
        grid.setRows(2);
        grid.setText(0, 0, "No.");
        grid.setText(0, 1, "Selected\n\rCables");
        grid.setText(0, 2, "Diam.\n\r(in)");
        grid.setText(0, 3, "Weight\n\r(lb/ft)");
        grid.setText(1, 1, "Bundle");
    }

    // Appends a cable above the bundle row, its diameter as the grid shows it.
    void add(const std::string& name, const std::string& diameter) {
        ui::Grid& grid = program.main.Grid2;
        const int row = grid.rows() - 1;
        grid.addItem(std::to_string(row) + "\t" + name + "\t" + diameter + "\t0.1000", row);
    }

    const std::string& bundleCell() const {
        const ui::Grid& grid = program.main.Grid2;
        return grid.text(grid.rows() - 1, 2);
    }
};

}  // namespace cn3::test
