// A fresh temporary folder for a test's data files, removed with everything in it at the end.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cn3::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(std::string_view name) const { return (path_ / name).string(); }
    // Writes bytes exactly as given (use "\r\n" for CR LF line ends).
    void write(std::string_view name, std::string_view bytes) const;
    std::string read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // Copies a file of the source tree's data/ folder in.
    void copyShipped(std::string_view name) const;

private:
    std::filesystem::path path_;
};

}  // namespace cn3::test
