// Editing the pole grid of the "Pole Line" window: rows added at the end, inserted and removed
// at the current row, and rows pasted from a spreadsheet. Each works the line out again. And
// what was typed written again in other units.
#pragma once

#include <string_view>

#include "line/line_session.h"

namespace cn3::line {

// A blank row at the end; its first cell becomes current.
void AddPoleRow(LineSession& session);
// A blank row before the current one (at the end when there is none); its first cell
// becomes current.
void InsertPoleRow(LineSession& session);
// The current row removed; the one after it (or the new last one) becomes current.
void RemovePoleRow(LineSession& session);

// TAB-separated rows (a spreadsheet's copy: a line per row, CR LF or LF) written into the grid
// from the current cell across and down, overwriting cells and adding rows as needed; a
// heading row copied with them ("pole_id", "Pole ID", or no number where numbers go) is left
// out. Columns past the grid's last are dropped.
void PastePoleRows(LineSession& session, std::string_view text);

// Every value typed in the window (the grid's lengths, the default clearance, the tension),
// written under the session's shownUnits, written again as the same value in the program's
// units, and the grid's headings with them; a text that cannot be read (or typed under the
// same system) stays as typed. The line is not worked out again.
void ShowTypedInProgramUnits(LineSession& session);

}  // namespace cn3::line
