#include "app/load_catalogue.h"

#include <cmath>
#include <string>
#include <variant>

#include "app/grid_setup.h"
#include "core/catalogue.h"
#include "core/data_files.h"
#include "core/raw_text_file.h"
#include "core/user_cables_file.h"
#include "loading/loading_window.h"

namespace cn3 {

namespace {

void TakeCatalogue(Program& program, Catalogue&& catalogue) {
    MainForm& main = program.main;

    main.List1.setFontSize(10);
    for (auto& line : catalogue.helpLines) main.List1.addItem(std::move(line));

    program.units.table = catalogue.units;
    program.loadings = catalogue.loadings;
    for (int record = 3; record <= 6; ++record) FillLoadingRow(program, record);

    program.installedTempLow = catalogue.tempLow;
    program.installedTempHigh = catalogue.tempHigh;
    program.installedTempStart = catalogue.tempStart;
    main.HScroll1.setRange(catalogue.tempLow, catalogue.tempHigh);
    main.HScroll1.setValue(catalogue.tempStart);
    main.Label1.setCaption("Installed Temperature " + program.units.toDisplay(unit::kTemperature,
                                                                              catalogue.tempStart,
                                                                              "###0.#;;"));

    LayOutTemperatureGrid(program);

    for (int col = 0; col < 11; ++col) {
        program.loadingResults.at(0, col) = catalogue.resultUnitKinds[static_cast<size_t>(col)];
        program.loadingResults.formats[static_cast<size_t>(col)] =
            std::move(catalogue.resultFormats[static_cast<size_t>(col)]);
    }
    program.columnUnitKinds = catalogue.columnUnitKinds;
    program.columnFormats = std::move(catalogue.columnFormats);
    program.headingLines = std::move(catalogue.headingLines);
    program.catalogueHeadings = std::move(catalogue.headings);
    program.cables = std::move(catalogue.cables);
}

// The user-defined cables follow the separator row; the "User Defined" print box shows only
// when their file exists. Cables that find no row stay in the file; the user is told once.
void TakeUserCables(Program& program) {
    ui::CheckBox& printUserDefined = program.main.Check5[family::kUserDefined];
    printUserDefined.setVisible(false);
    printUserDefined.setChecked(false);
    const std::string path = DataFilePath(program.dataFolder, kUserCablesFileName);
    const auto read = ReadUserCables(path, program.cables);
    if (!read) {
        // No file, no user cables; one that cannot be read is said, and nothing is taken of it.
        if (!IsMissingFile(read.error()))
            program.dialogs->message("Error - " + read.error().text());
        return;
    }
    printUserDefined.setVisible(true);
    if (read->tableFull > 0) {
        const int n = read->tableFull;
        program.dialogs->message("The cable table is full: " + std::to_string(n) +
                                 (n == 1 ? " user-defined cable" : " user-defined cables") +
                                 " of " + path +
                                 " cannot be shown. They stay in the file unchanged.");
    }
}

}  // namespace

bool LoadCatalogue(Program& program) {
    LayOutSelectedGrid(program);

    auto read = ReadCatalogue(DataFilePath(program.dataFolder, kCatalogueFileName),
                              program.units.metricUnits);
    if (!read) {
        program.dialogs->message("Error - " + read.error().text());
        return false;
    }
    TakeCatalogue(program, std::move(read.value()));
    TakeUserCables(program);

    AssignKindCodes(program.cables);
    LayOutCatalogueGrid(program);
    WriteSelectedHeadings(program);

    RestoreLoadingSettings(program);
    SetStartValues(program);
    return true;
}

void SetStartValues(Program& program) {
    auto& entries = program.main.Text9;
    // Through the display conversion, so a metric user sees 45.72 m for the 150 ft span.
    entries[0].setText(program.units.toDisplay(unit::kLength, 150.0f, "#,###.00 "));
    entries[1].setText("1.00 ");
    entries[2].setText(program.units.toDisplay(unit::kLength, 50.0f, "#,###.00 "));
    entries[4].setText("0.0000");
}

}  // namespace cn3
