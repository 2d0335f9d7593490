// The catalogue file CABLEDAT.TXT as start-up reads it: the whole reader in both unit systems,
// then, for a catalogue that reads, the grids and loading window filled from it.
#include <cstdint>
#include <variant>

#include "app/start_up.h"
#include "core/catalogue.h"
#include "fuzz_support.h"

using namespace cn3;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::WriteFile("CABLEDAT.TXT", std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string path = fuzz::FilePath("CABLEDAT.TXT");
    const auto english = ReadCatalogue(path, 0);
    const auto metric = ReadCatalogue(path, 1);
    fuzz::Check(english.index() == metric.index(), "the unit system changes whether a file reads");
    if (const auto* error = std::get_if<CatalogueError>(&english)) {
        fuzz::Check(!error->text().empty(), "a fault has a text");
        return 0;
    }
    const CableTable& table = std::get<Catalogue>(english).cables;
    fuzz::Check(table.userSeparatorRow >= 1 && table.userSeparatorRow < kCableRows &&
                    table.lastCableRow == table.userSeparatorRow,
                "the separator row lies in the table");

    fuzz::SilentDialogs dialogs;
    for (std::uint8_t units : {0, 1}) {
        Program program;
        program.dialogs = &dialogs;
        program.dataFolder = fuzz::DataFolder().string();
        program.units.metricUnits = units;
        fuzz::Check(LoadCatalogue(program), "a catalogue that reads also loads");
        fuzz::Check(program.main.Grid1.rows() == program.cables.lastCableRow + 1,
                    "the catalogue grid shows every row");
    }
    return 0;
}
