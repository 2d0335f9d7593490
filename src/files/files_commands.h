// The "Files" buttons of the "Files/Print" page (0 "Open", 1 "Save", 2 "SaveAs"), the error
// trap that all five "Files/Print" buttons run under, opening a span file named on the
// command line, and the exit path.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/program.h"

namespace cn3 {

namespace files_button {
inline constexpr int kOpen = 0, kSave = 1, kSaveAs = 2, kReport = 3, kCableList = 4;
}

// Runs a "Files/Print" command. A failure (the description it hands back, or an exception)
// is shown with a line break and "Correct error and re-run command." and stops the command.
void RunUnderErrorTrap(Program& program,
                       const std::function<std::optional<std::string>()>& command);

// "Open", "Save" and "SaveAs", each under the error trap. Cancelling a file dialog cancels
// the command. "Open" of a readable span file asks first whether to save a worksheet that
// differs from its file: Yes saves as "Save" does, Cancel (or a save that is cancelled or
// fails) keeps the worksheet.
void Command6_Click(Program& program, int index);

// "Open" with the file already chosen (an "Open Recent" entry, a span file dropped on the
// window): the button's own path, under the error trap, without the file dialog.
void OpenChosenSpanFile(Program& program, const std::string& path);

// Opens the span file at `path` as "Open" does after its dialog. A file that does not exist,
// cannot be read or is not a span file is said in one "Error - " message, and the worksheet
// stays as it was. True when the file was opened.
bool OpenSpanFile(Program& program, const std::string& path);

// "New" (Ctrl+N): after the save question that "Open" also asks when the worksheet differs
// from its file, an empty, untitled worksheet (the Reset mode).
void NewCommand(Program& program);

// The exit path: saves the user-defined cables of an editing panel still open, asks the
// program's other questions (an unsaved pole line), then asks whether to save the worksheet.
// False when the program must stay open: the designer asked to save and cancelled, or a save
// failed (and was reported).
bool ConfirmExit(Program& program);

}  // namespace cn3
