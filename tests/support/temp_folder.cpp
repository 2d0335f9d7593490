#include "support/temp_folder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace cn3::test {

TempFolder::TempFolder() {
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    do {
        path_ = base / ("cn3-test-" + std::to_string(rd()));
    } while (std::filesystem::exists(path_));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(std::string_view name, std::string_view bytes) const {
    std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string TempFolder::read(std::string_view name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool TempFolder::exists(std::string_view name) const { return std::filesystem::exists(path_ / name); }

void TempFolder::copyShipped(std::string_view name) const {
    std::filesystem::copy_file(std::filesystem::path(CN3_SHIPPED_DATA_DIR) / name, path_ / name,
                               std::filesystem::copy_options::overwrite_existing);
}

}  // namespace cn3::test
