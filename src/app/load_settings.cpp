// LoadSettings and NewWorksheet: the first half of start-up.
#include <filesystem>
#include <string>

#include "core/data_files.h"
#include "app/start_up.h"
#include "core/settings_file.h"

namespace cn3 {

namespace {

constexpr std::string_view kFirstRunQuestion =
    "Because this is the first time CN3 has been executed please\r\n"
    "Click on YES for English units or NO for Metric";

// Settles the unit system from the settings file's first seven bytes. A file never used
// before starts with "?": the user is asked once and the answer is written over those bytes.
void SettleUnits(Program& program) {
    program.units.metricUnits = 0;
    const std::string path = DataFilePath(program.dataFolder, kSettingsFileName);
    std::string word = ReadUnitWord(path);  // creates the file empty when it is missing
    if (!word.empty() && word.front() == '?') {
        const bool english = program.dialogs->askYesNo(kFirstRunQuestion);
        word = english ? "English" : "Metric ";
        // Should the rewrite fail, the answer still holds for this run and is asked again next
        // time.
        WriteUnitWord(path, word);
    }
    if (!word.empty() && word.front() == 'M') program.units.metricUnits = 1;
}

}  // namespace

std::string WindowTitle(bool metric) {
    return std::string("CN3 - CATENOVA ") + " Release 3.1 by Norvale " + "  (" +
           (metric ? "Metric" : "English") + " Units)";
}

void LoadSettings(Program& program) {
    if (program.dataFolder.empty()) program.dataFolder = std::filesystem::current_path().string();
    for (auto& name : program.selectedNames) name.assign(20, ' ');

    SettleUnits(program);

    MainForm& main = program.main;
    main.Title.setCaption(WindowTitle(program.units.metricUnits != 0));
    main.CommonDialog1.startFolder = program.dataFolder;
    main.CommonDialog1.filter = "Catenova3 Files (*.cn3)|*.cn3";
    main.Command3.setEnabled(true);

    NewWorksheet(program);
}

void NewWorksheet(Program& program) {
    MainForm& main = program.main;
    program.fixedDiameterFlag = 0;
    program.worksheetEdited = 0;

    main.Option1.select(1);  // "Percent"

    while (main.Grid2.rows() > 2) main.Grid2.removeItem(1);
    const int bundleRow = main.Grid2.rows() - 1;
    for (int col = main.Grid2.cols() - 1; col >= 2; --col) main.Grid2.setText(bundleRow, col, "");

    main.Label4.setCaption("");
    main.StatusMessage.setCaption("");
    main.ResultsNote.setCaption("");
    main.Command1.setVisible(false);
    main.Command3.setEnabled(true);
    main.CommonDialog1.fileName =
        (std::filesystem::path(program.dataFolder) / "Untitled.cn3").string();

    main.SSTab1.setTab(page::kCables);
    main.SSTab2.setTab(family::kStrand);
}

}  // namespace cn3
