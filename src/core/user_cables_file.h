// The user-defined cables file CABLEADD.TXT: one cable per line, eight fields each followed
// by a TAB, kept after the "User Defined" separator row of the cable table.
#pragma once

#include <string>

#include "core/cable_table.h"
#include "core/file_error.h"

namespace cn3 {

struct UserCablesRead {
    int tableFull = 0;  // cables that found no row because the table holds 200 rows
};

// Appends the cables of CABLEADD.TXT after lastCableRow. A file that does not exist is an
// error for which IsMissingFile holds (no user cables, nothing to say); any other file that
// cannot be read is an error saying why, with the table untouched. A line that finds no row (table full), names no cable (empty name) or follows a
// short line, which ends the reading, goes to table.keptUserLines as it stands.
FileResult<UserCablesRead> ReadUserCables(const std::string& path, CableTable& table);

// Writes rows userSeparatorRow+1..lastCableRow (8 fields each followed by TAB, CR LF) and then
// the kept lines, whole and renamed into place; deletes the file when there is neither.
// False on failure, with the file as it was.
bool WriteUserCables(const std::string& path, const CableTable& table);

}  // namespace cn3
