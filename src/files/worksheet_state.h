// Whether the worksheet differs from what was last opened, saved or started. The span record
// is the whole worksheet, so the test is a capture packed to its 940 bytes against the bytes
// kept then: there is no second flag to drift.
#pragma once

#include <string>

#include "forms/program.h"

namespace cn3 {

// The worksheet as it now is becomes the one its file holds: after opening, starting or a new
// worksheet. Any recovery file is removed; the status bar loses " (modified)".
void NoteWorksheetUnchanged(Program& program);
// The same, for the record bytes just written by a save.
void NoteWorksheetSaved(Program& program, std::string writtenBytes);

// The captured worksheet's 940 bytes; empty when it cannot be captured.
std::string CapturedBytes(const Program& program);

// True when the worksheet differs from its file (also when it cannot be captured).
bool WorksheetDiffers(const Program& program);

// The status bar: the file name, followed by " (modified)" while the worksheet differs.
void ShowFileState(Program& program);
void ShowFileState(Program& program, bool differs);

}  // namespace cn3
