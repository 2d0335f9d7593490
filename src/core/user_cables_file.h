// The user-defined cables file CABLEADD.TXT: one cable per line, eight fields each followed
// by a TAB, kept after the "User Defined" separator row of the cable table.
#pragma once

#include <string>

#include "core/cable_table.h"

namespace cn3 {

// Appends the cables of CABLEADD.TXT after lastCableRow; false when the file cannot be opened.
bool ReadUserCables(const std::string& path, CableTable& table);

// Writes rows userSeparatorRow+1..lastCableRow (8 fields each followed by TAB, CR LF), whole
// and renamed into place; deletes the file when there is no user cable. False on failure.
bool WriteUserCables(const std::string& path, const CableTable& table);

}  // namespace cn3
