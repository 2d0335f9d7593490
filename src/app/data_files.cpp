#include "app/data_files.h"

#include <filesystem>

namespace cn3 {

std::string DataFilePath(const Program& program, std::string_view fileName) {
    return (std::filesystem::path(program.dataFolder) / fileName).string();
}

}  // namespace cn3
