#include "app_fixture.h"

#include <array>

#include "app/start_up.h"

namespace cn3::test {

namespace {
constexpr std::array<size_t, 8> kStarts{0, 20, 30, 40, 50, 62, 72, 84};

std::string Line(const std::array<std::string, 8>& fields) {
    std::string line;
    for (size_t i = 0; i < 8; ++i) {
        line += fields[i];
        if (i < 7) line.resize(kStarts[i + 1], ' ');
    }
    return line + "\r\n";
}
}  // namespace

std::string CatalogueLine(const std::array<std::string, 8>& fields) { return Line(fields); }

std::string FixtureCatalogue() {
    std::string s =
        "Help line one\r\n"
        "  indented help line\r\n"
        "end\r\n"
        "END\r\n"
        "\"General\",\"\",\"\",1,0\r\n"
        "\"Temperature\",\"deg F\",\"deg C\",0.5555556,32\r\n"
        "\"Force\",\"lb\",\"N\",4.448222,0\r\n"
        "\"Small length\",\"in\",\"mm\",25.4,0\r\n"
        "\"Length\",\"ft\",\"m\",0.3048,0\r\n"
        "\"Area\",\"in2\",\"mm2\",645.16,0\r\n"
        "\"Thermal\",\"/deg F\",\"/deg C\",1.8,0\r\n"
        "\"Wind pressure\",\"lb/ft2\",\"Pa\",47.88026,0\r\n"
        "\"Load\",\"lb/ft\",\"N/m\",14.5939,0\r\n"
        "\"Wind load\",\"lb/ft\",\"N/m\",14.5939,0\r\n"
        "\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n\"Spare\",\"\",\"\",1,0\r\n"
        "\"Heavy\",0,0.5,4,0.31\r\n"
        "\"Medium\",15,0.25,4,0.22\r\n"
        "\"Light\",30,0,9,0.05\r\n"
        "\"Ice 32F\",32,0.5,0,0\r\n"
        "\"Hot 120F\",120,0,0,0\r\n"
        "\"User loading number one\",10,0.25,2,0.1\r\n"
        "\"User2\",20,0,3,0\r\n"
        "-40,140,60\r\n"
        "1,8,7,8,4,2,0,4,4,4,0\r\n"
        "\"##0\",\"0.000\",\"##0.0\",\"0.000\",\"##0.00\",\"#,##0\",\"0.000\",\"##0.00\",\"##0.00\",\"##0.00\",\"##0.0\"\r\n"
        "0,3,5,3,6,8,2,2,0,0\r\n"
        "\"\",\"0.0##\",\"0.0###\",\"0.000\",\"0.0000000\",\"0.0000\",\"#,##0\",\"#,##0\",\"\",\"\"\r\n";
    s += Line({"", "Nominal", "Steel", "", "Thermal", "", "Axial", "Rated"});
    s += Line({"Cable", "Size", "Area", "Outside", "Coeff.", "Unit", "Stiffness", "Strength"});
    s += Line({"Name", "", "", "Diameter", "", "Weight", "", ""});
    s += Line({"", "(in)", "(in2)", "(in)", "(/deg F)", "(lb/ft)", "(lb)", "(lb)"});
    s += Line({"", "(mm)", "(mm2)", "(mm)", "(/deg C)", "(N/m)", "(N)", "(N)"});
    s += "\r\n";
    s += Line({"1/4 EHS 6M", "0.25", "0.0352", "0.240", "0.0000064", "0.121", "950400", "6650"});
    s += Line({"P 500", "0.5", "0", "0.570", "0.0000064", "0.09", "0", "0"});
    s += Line({"ZERO ROW", "0", "0.0352", "0.240", "0.0000064", "0.121", "950400", "6650"});
    return s;
}

StartedProgram::StartedProgram(const char* settings) {
    folder.write("CABLEDAT.TXT", FixtureCatalogue());
    if (settings) folder.write("CN3NESC.TXT", settings);
    program->dialogs = &dialogs;
    program->dataFolder = folder.path().string();
}

Program& StartedProgram::start() {
    started = StartProgram(*program);
    return *program;
}

}  // namespace cn3::test
