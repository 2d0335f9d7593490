#include "selection/user_cables_saving.h"

#include <filesystem>
#include <string>

#include "core/data_files.h"
#include "core/user_cables_file.h"

namespace cn3 {

void Command4_Click(Program& program) {
    MainForm& form = program.main;
    form.Picture1.setVisible(false);
    SaveUserCables(program);

    form.Grid2.setVisible(true);
    form.Label2[5].setVisible(true);
    form.Text5.setVisible(true);
    form.Command3.setVisible(true);
    // The creep entry shows again at once when the strands are listed.
    const bool strands = form.SSTab2.tab() == family::kStrand;
    form.Label2[4].setVisible(strands);
    form.Text9[4].setVisible(strands);
}

void SaveUserCables(Program& program) {
    const std::string path = DataFilePath(program.dataFolder, kUserCablesFileName);
    const CableTable& table = program.cables;
    if (!WriteUserCables(path, table)) {
        // The cables stay in the table; closing the panel again retries.
        program.dialogs->message("Error - " + std::string(kUserCablesFileName) +
                                 " could not be written: " + path);
        return;
    }
    if (table.lastCableRow <= table.userSeparatorRow) {
        ui::CheckBox& userDefined = program.main.Check5[5];
        userDefined.setVisible(false);
        userDefined.setChecked(false);
    }
}

}  // namespace cn3
