// The second half of start-up: every data file read and the windows filled.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Reads every data file and fills the windows. False, after one message box naming the file,
// line and fault, when the catalogue cannot be read; the program cannot go on then.
bool LoadCatalogue(Program& program);

// The starting texts of the span entries, shown through the display conversion.
void SetStartValues(Program& program);

}  // namespace cn3
