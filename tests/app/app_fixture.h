// A small catalogue, settings and user-cables files written into a temporary data folder,
// and a Program started from it with scripted dialogs.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/start_up.h"
#include "forms/program.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

// Three help lines ("end" is one), the unit rows, seven loadings (user loading 1's name is
// longer than 13 characters), -40..140 starting at 60, headings in fixed columns, and the
// cables: a blank line (row 1), "1/4 EHS 6M", "P 500" and "ZERO ROW" (first figure 0, row 4).
// The separator is row 5.
inline std::string FixtureCatalogue() {
    const auto line = [](const std::array<std::string, 8>& fields) {
        constexpr std::array<size_t, 7> ends{20, 30, 40, 50, 62, 72, 84};
        std::string s;
        for (size_t i = 0; i < 7; ++i) (s += fields[i]).resize(ends[i], ' ');
        return s + fields[7] + "\r\n";
    };
    std::string s =
        "Help line one\r\n  indented help line\r\nend\r\nEND\r\n\"General\",\"\",\"\",1,0\r\n"
        "\"Temperature\",\"deg F\",\"deg C\",0.5555556,32\r\n\"Force\",\"lb\",\"N\",4.448222,0\r\n"
        "\"Small length\",\"in\",\"mm\",25.4,0\r\n\"Length\",\"ft\",\"m\",0.3048,0\r\n\"Area\",\"in2\",\"mm2\",645.16,0\r\n"
        "\"Thermal\",\"/deg F\",\"/deg C\",1.8,0\r\n\"Wind pressure\",\"lb/ft2\",\"Pa\",47.88026,0\r\n"
        "\"Load\",\"lb/ft\",\"N/m\",14.5939,0\r\n\"Wind load\",\"lb/ft\",\"N/m\",14.5939,0\r\n"
        "\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n"
        "\"Heavy\",0,0.5,4,0.31\r\n\"Medium\",15,0.25,4,0.22\r\n\"Light\",30,0,9,0.05\r\n\"Ice 32F\",32,0.5,0,0\r\n"
        "\"Hot 120F\",120,0,0,0\r\n\"User loading number one\",10,0.25,2,0.1\r\n\"User2\",20,0,3,0\r\n"
        "-40,140,60\r\n1,8,7,8,4,2,0,4,4,4,0\r\n"
        "\"##0\",\"0.000\",\"##0.0\",\"0.000\",\"##0.00\",\"#,##0\",\"0.000\",\"##0.00\",\"##0.00\",\"##0.00\",\"##0.0\"\r\n"
        "0,3,5,3,6,8,2,2,0,0\r\n"
        "\"\",\"0.0##\",\"0.0###\",\"0.000\",\"0.0000000\",\"0.0000\",\"#,##0\",\"#,##0\",\"\",\"\"\r\n";
    s += line({"", "Nominal", "Steel", "", "Thermal", "", "Axial", "Rated"});
    s += line({"Cable", "Size", "Area", "Outside", "Coeff.", "Unit", "Stiffness", "Strength"});
    s += line({"Name", "", "", "Diameter", "", "Weight", "", ""});
    s += line({"", "(in)", "(in2)", "(in)", "(/deg F)", "(lb/ft)", "(lb)", "(lb)"});
    s += line({"", "(mm)", "(mm2)", "(mm)", "(/deg C)", "(N/m)", "(N)", "(N)"});
    s += "\r\n" + line({"1/4 EHS 6M", "0.25", "0.0352", "0.240", "0.0000064", "0.121", "950400", "6650"});
    s += line({"P 500", "0.5", "0", "0.570", "0.0000064", "0.09", "0", "0"});
    return s + line({"ZERO ROW", "0", "0.0352", "0.240", "0.0000064", "0.121", "950400", "6650"});
}

// The fixture's data folder (no settings file when `settings` is null); start() runs StartProgram.
struct StartedProgram {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program = std::make_unique<Program>();
    bool started = false;

    explicit StartedProgram(const char* settings = "English\r\n2\r\n", const char* userCables = nullptr) {
        folder.write("CABLEDAT.TXT", FixtureCatalogue());
        if (settings) folder.write("CN3NESC.TXT", settings);
        if (userCables) folder.write("CABLEADD.TXT", userCables);
        program->dialogs = &dialogs;
        program->dataFolder = folder.path().string();
    }
    Program& start() {
        started = StartProgram(*program);
        return *program;
    }
};

}  // namespace cn3::test
