// Editing the user-defined cables on the "Cables" page. "Create/Modify User Defined" opens
// the editing panel; while it shows, a click on the catalogue copies a cable under a new name
// or changes a value of a user-defined cable; "Close" saves them all to CABLEADD.TXT.
// Edits take effect in the cable table at once; cables already selected keep their rows.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Opens the editing panel and prints its rules on it.
void Command1_Click(Program& program);

// A catalogue click while the panel shows: a value of a user-defined cable ("User Defined"
// tab, any column but the name) is edited; anything else is copied as a new cable.
void UserCablesGrid1_Click(Program& program);

// Copies the clicked cable under a name asked for, refusing names of no kind and names in use.
void NewUserCable(Program& program);

// Asks a new value for the clicked cell of a user-defined cable; "DEL" deletes the cable.
void EditUserCableValue(Program& program);

// "Close": saves, and closes the panel when the save succeeded.
void Command4_Click(Program& program);

// Writes every user-defined cable to CABLEADD.TXT, or deletes the file when there is none.
// False, after an "Error - " message, when the file could not be written or deleted.
bool SaveUserCables(Program& program);

}  // namespace cn3
