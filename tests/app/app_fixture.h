// A small catalogue, settings and user-cables files written into a temporary data folder,
// and a Program started from it with scripted dialogs.
#pragma once

#include <memory>
#include <string>

#include "forms/program.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

// The fixture catalogue: three help lines, the unit rows (F/C, lb/N, in/mm, ft/m ...), seven
// loadings (user loading 1 has a name longer than 13 characters), -40..140 starting at 60,
// headings in columns starting at 0, 20, 30, 40, 50, 62, 72, 84, and the cables: a blank line,
// "1/4 EHS 6M", "P 500" and "ZERO ROW" (first figure 0).
std::string FixtureCatalogue();
inline constexpr int kFixtureCableRows = 4;  // rows 1..4; the separator is row 5

// Eight cable fields laid out in the fixture's fixed columns.
std::string CatalogueLine(const std::array<std::string, 8>& fields);

struct StartedProgram {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program = std::make_unique<Program>();
    bool started = false;

    // Writes the fixture catalogue and the given settings file (nothing when `settings` is
    // null) into the folder.
    explicit StartedProgram(const char* settings = "English\r\n2\r\n");
    // Runs StartProgram from the folder.
    Program& start();
};

}  // namespace cn3::test
