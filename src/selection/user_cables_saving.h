// Saving the user-defined cables when the editing panel closes.
#pragma once

#include "forms/program.h"

namespace cn3 {

// "Close": closes the panel and saves.
void Command4_Click(Program& program);

// Writes every user-defined cable to CABLEADD.TXT, or deletes the file when there is none.
void SaveUserCables(Program& program);

}  // namespace cn3
