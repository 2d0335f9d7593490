#include "selection/user_cables_saving.h"

#include <filesystem>
#include <string>

#include "core/data_files.h"
#include "core/user_cables_file.h"

namespace cn3 {

void Command4_Click(Program& program) {
    // A failed save keeps the panel open, so the edits are not taken for saved.
    if (!SaveUserCables(program)) return;
    MainForm& form = program.main;
    form.Picture1.setVisible(false);

    form.Grid2.setVisible(true);
    form.Label2[5].setVisible(true);
    form.Text5.setVisible(true);
    form.Command3.setVisible(true);
    // The creep entry shows again at once when the strands are listed.
    const bool strands = form.SSTab2.tab() == family::kStrand;
    form.Label2[4].setVisible(strands);
    form.Text9[4].setVisible(strands);
}

bool SaveUserCables(Program& program) {
    const std::string path = DataFilePath(program.dataFolder, kUserCablesFileName);
    const CableTable& table = program.cables;
    const bool none = table.lastCableRow <= table.userSeparatorRow;
    if (!WriteUserCables(path, table)) {
        // The cables stay in the table; closing the panel again retries.
        const bool deleting = none && table.keptUserLines.empty();
        program.dialogs->message(
            "Error - " + std::string(kUserCablesFileName) +
            (deleting ? " could not be deleted: " : " could not be written: ") + path);
        return false;
    }
    if (none) {
        ui::CheckBox& userDefined = program.main.Check5[5];
        userDefined.setVisible(false);
        userDefined.setChecked(false);
    }
    return true;
}

}  // namespace cn3
