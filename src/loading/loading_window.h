// The behaviour of the loading window ("Set Ice / Wind Loadings"): the Rule 251 district
// options, the two user-loading tick boxes and their cascade, cell edits of the user
// loadings, saving to and restoring from the settings file, and closing.
//
// Cells are numbered 5 * row + column: row 0 the chosen district, row 1 loading 3, row 2
// loading 4 (filled, never shown), rows 3 and 4 the user loadings (records 5 and 6);
// columns name, temperature, ice thickness, wind pressure, load constant.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "forms/program.h"

namespace cn3 {

// Puts loading record 3..6 into its row of cells in display units.
void FillLoadingRow(Program& program, int record);

// Row 0's values and the unit labels for district 0 Heavy, 1 Medium or 2 Light.
void ShowLoadingDistrict(Program& program, int district);
// The unit labels under the heading, in display units.
void ShowLoadingUnitLabels(Program& program);

// The events of the window's controls.
void LoadingOption_Click(Program& program, int district);
void LoadingCheck_Click(Program& program, int index);
void LoadingCell_Click(Program& program, int cell);
void LoadingSave_Click(Program& program);
void LoadingClose_Click(Program& program);

// Stores a typed text of a user-loading cell (15..24) into record 5 or 6, as a cell edit does:
// the name cut or padded to 13 characters, numbers through the input conversion.
void StoreUserLoadingCell(Program& program, int cell, const std::string& text);

// The last step of reading the data files: the district and the saved user loadings.
void RestoreLoadingSettings(Program& program);

// A worksheet's loading window as a span file holds it: the 25 cell texts (the user-loading
// cells also go into their records, so the results use what the window shows), then the two
// user-loading ticks, set as a user's clicks set them. The district options are not touched.
void RestoreLoadingWindow(Program& program, const std::array<std::string, 25>& cells,
                          const std::array<std::uint8_t, 2>& ticks);

}  // namespace cn3
