// A Program with the selected-cables grid as start-up lays it out, English display and
// dialogs that count messages (whether a random selection fits is not known in advance).
#pragma once

#include <string>
#include <vector>

#include "forms/program.h"

namespace cn3::test {

struct CountingDialogs : ui::Dialogs {
    std::vector<std::string> messages;
    void message(std::string_view text) override { messages.emplace_back(text); }
    bool askYesNo(std::string_view) override { return false; }
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }
};

struct BundleFixture {
    Program program;
    CountingDialogs dialogs;
    ui::Grid& grid = program.main.Grid2;

    BundleFixture() {
        program.dialogs = &dialogs;
        program.units.table[unit::kSmallLength] = {"in", "mm", 25.4f, 0.0f};
        grid.setCols(4);
        grid.setRows(2);
        grid.setText(0, 2, "Diam.\n\r(in)");
        grid.setText(1, 1, "Bundle");
    }
    // Appends a cable above the bundle row, its diameter as the grid shows it.
    void add(const std::string& name, const std::string& diameter) {
        const int row = grid.rows() - 1;
        grid.addItem(std::to_string(row) + "\t" + name + "\t" + diameter + "\t0.1", row);
    }
    const std::string& bundleCell() const { return grid.text(grid.rows() - 1, 2); }
};

}  // namespace cn3::test
