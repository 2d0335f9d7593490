// Saving the user-defined cables when the editing panel closes.
#pragma once

#include "forms/program.h"

namespace cn3 {

// "Close": saves, and closes the panel when the save succeeded.
void Command4_Click(Program& program);

// Writes every user-defined cable to CABLEADD.TXT, or deletes the file when there is none.
// False, after an "Error - " message, when the file could not be written or deleted.
bool SaveUserCables(Program& program);

}  // namespace cn3
