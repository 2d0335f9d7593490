// The start of work: an empty, untitled worksheet. Start-up runs it once; it is also the
// span-file operation's Reset mode.
#pragma once

#include "forms/program.h"

namespace cn3 {

// Clears both worksheet flags and the results text, chooses "Percent", empties the
// selected-cables grid, names the worksheet "Untitled.cn3" in the data folder and turns to the
// "Cables" page with the "Strand" family tab.
void NewWorksheet(Program& program);

// The untitled default: "Untitled.cn3" in the data folder.
std::string UntitledPath(const Program& program);

// The current span file's name: the file dialog's proposal, and the status bar's text (the
// word "Untitled" for the untitled default, with " (modified)" while the worksheet differs
// from the file).
void SetCurrentFileName(Program& program, std::string path);

}  // namespace cn3
