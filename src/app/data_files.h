// The names of the data files, all found in the data folder.
#pragma once

#include <string>
#include <string_view>

#include "forms/program.h"

namespace cn3 {

inline constexpr std::string_view kCatalogueFileName = "CABLEDAT.TXT";
inline constexpr std::string_view kUserCablesFileName = "CABLEADD.TXT";
inline constexpr std::string_view kSettingsFileName = "CN3NESC.TXT";

// The path of a data file in the program's data folder.
std::string DataFilePath(const Program& program, std::string_view fileName);

}  // namespace cn3
