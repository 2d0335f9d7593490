// The names of the data files, all found in the data folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cn3 {

inline constexpr std::string_view kCatalogueFileName = "CABLEDAT.TXT";
inline constexpr std::string_view kUserCablesFileName = "CABLEADD.TXT";
inline constexpr std::string_view kSettingsFileName = "CN3NESC.TXT";

// The path of a data file in the data folder.
inline std::string DataFilePath(const std::string& dataFolder, std::string_view fileName) {
    return (std::filesystem::path(dataFolder) / fileName).string();
}

}  // namespace cn3
