// Shared pieces of the fuzz harnesses: dialogs that answer nothing (every question cancelled,
// every message dropped), a private data folder for the files a harness writes, and a reader
// that takes bounded pieces off the front of the fuzzed bytes.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "ui/dialogs.h"

namespace cn3::fuzz {

class SilentDialogs : public ui::Dialogs {
  public:
    void message(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }
};

// A folder of its own for this process, made on first use and kept for the whole run.
inline const std::filesystem::path& DataFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("cn3-fuzz-" + std::to_string(static_cast<long>(getpid())));
        std::filesystem::create_directories(path);
        return path;
    }();
    return folder;
}

inline std::string FilePath(std::string_view name) {
    return (DataFolder() / name).string();
}

inline void WriteFile(std::string_view name, std::string_view bytes) {
    std::ofstream out(FilePath(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline void RemoveFile(std::string_view name) {
    std::error_code ignored;
    std::filesystem::remove(FilePath(name), ignored);
}

// Copies a shipped data file (data/ of the source tree) into the data folder.
inline void CopyShipped(std::string_view name) {
    std::filesystem::copy_file(std::filesystem::path(CN3_SOURCE_DIR) / "data" / name,
                               FilePath(name), std::filesystem::copy_options::overwrite_existing);
}

// Takes pieces off the front of the fuzzed bytes; an exhausted input gives zeros and empties.
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // Up to `most` bytes, as many as the next byte says.
    std::string text(std::size_t most) {
        const std::size_t n = std::min<std::size_t>({byte(), most, rest_.size()});
        std::string out(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return out;
    }
    std::string_view rest() const { return rest_; }

  private:
    std::string_view rest_;
};

// Stops the run with a message when a property of the code does not hold.
inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property failed: %s\n", what);
    std::abort();
}

}  // namespace cn3::fuzz
