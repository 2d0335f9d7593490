// The "Pole Line" window's files: New, Open, Save and Save As of line files (*.cnl), the pole
// CSV import, the question asked before a line that differs from its file is replaced,
// closed or left by the exit, and the status that says whether it differs.
//
// A line differs from its file while what Save would write (the line as read from the window
// and the worksheet in use) is not the text the file held when it was last opened or saved. A
// new line differs once a pole is typed; a line that cannot be read (a bad cell) differs
// from any file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "line/line_file.h"
#include "line/line_session.h"

namespace cn3::line {

inline constexpr std::string_view kLineSaveQuestion =
    "Do you want to save the pole line to a file?";

// What Save would write; nothing while the line or the worksheet in use cannot be read.
std::optional<LineFile> CurrentLineFile(const LineSession& session);
bool LineDiffers(const LineSession& session);
// The status: the file's name ("Untitled" for a new line), and " (modified)" while it differs.
// A line that no longer differs has its recovery file (line_recovery.h) removed.
void ShowLineFileState(LineSession& session);

// Shows a line file's line in the window: the grid, the entries, the worksheet it was saved
// with (see line_recompute.h), and its path as the file in use.
void ShowLineFile(LineSession& session, const LineFile& file, const std::string& path);

// An empty, untitled line, without a question: no poles, the default clearance, strung at the
// worksheet's sag.
void ShowNewLine(LineSession& session);
// "New": after the question, an empty, untitled line.
void NewLine(LineSession& session);
// "Open...": the file dialog, then (after the question) the file; a file that cannot be read
// is said in one "Error - " message and replaces nothing.
void OpenLine(LineSession& session);
// Open with the file chosen; true when it was opened.
bool OpenLineFile(LineSession& session, const std::string& path);
// "Save" (a new line asks for a name first) and "Save As...". True when written.
bool SaveLine(LineSession& session);
bool SaveLineAs(LineSession& session);
// "Import CSV...": the poles of a pole CSV (line/pole_csv.h) replace those of the grid,
// after the question when the line differs from its file. The default clearance and the
// installation stay; the line becomes a new, untitled one (Save asks for its name). A CSV that
// cannot be read is said in one "Error - " message naming its line and field.
void ImportPoleCsv(LineSession& session);
bool ImportPoleCsvFile(LineSession& session, const std::string& path);

// The question, asked when the line differs from its file: Yes saves (a cancelled or failed
// save keeps it), No lets it go, Cancel keeps it. True when the line may be replaced or left.
bool MayLeaveLine(LineSession& session);

// Closing the window ("Close", Escape, the title bar): after the question, the window hides;
// a line let go without saving goes back to what its file holds (or to a new line).
// False when the window stays open.
bool CloseLineWindow(LineSession& session);

}  // namespace cn3::line
