#include "app/load_settings.h"

#include <filesystem>
#include <string>

#include "core/data_files.h"
#include "core/raw_text_file.h"
#include "core/settings_file.h"
#include "files/new_worksheet.h"

namespace cn3 {

namespace {

constexpr std::string_view kFirstRunQuestion =
    "Because this is the first time CN3 has been executed please\r\n"
    "Click on YES for English units or NO for Metric";

// Settles the unit system from the settings file's first seven bytes. A file never used
// before starts with "?": the user is asked once and the answer is written over those bytes.
void SettleUnits(Program& program, FirstRun firstRun) {
    program.units.metricUnits = 0;
    const std::string path = DataFilePath(program.dataFolder, kSettingsFileName);
    if (firstRun == FirstRun::AssumeEnglish) {
        // Read only: a missing file stays missing and "?" reads as English.
        const std::string word = ReadFileBytes(path).value_or(std::string()).substr(0, 7);
        if (!word.empty() && word.front() == 'M') program.units.metricUnits = 1;
        return;
    }
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

void LoadSettings(Program& program, FirstRun firstRun) {
    if (program.dataFolder.empty()) program.dataFolder = std::filesystem::current_path().string();
    for (auto& name : program.spanRecord.cableNames) name.assign(20, ' ');

    SettleUnits(program, firstRun);

    MainForm& main = program.main;
    main.Title.setCaption(WindowTitle(program.units.metricUnits != 0));
    main.CommonDialog1.startFolder = program.dataFolder;
    main.CommonDialog1.filter = "Catenova3 Files (*.cn3)|*.cn3";
    main.Command3.setEnabled(true);

    NewWorksheet(program);
}

}  // namespace cn3
