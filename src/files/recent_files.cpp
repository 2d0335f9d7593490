#include "files/recent_files.h"

#include <algorithm>

#include "core/data_files.h"
#include "core/raw_text_file.h"
#include "core/text_file.h"

namespace cn3 {

namespace {

void Keep(std::vector<std::string>& list, std::string path) {
    if (path.empty() || std::find(list.begin(), list.end(), path) != list.end()) return;
    if (list.size() < kRecentFilesKept) list.push_back(std::move(path));
}

}  // namespace

std::vector<std::string> ReadRecentFiles(const std::string& dataFolder) {
    std::vector<std::string> list;
    const auto lines = ReadRawLines("recent files list", DataFilePath(dataFolder, kRecentFilesName));
    if (!lines) return list;
    for (const std::string& line : *lines) Keep(list, line);
    return list;
}

std::vector<std::string> NoteRecentFile(const std::string& dataFolder, const std::string& path) {
    std::vector<std::string> old = ReadRecentFiles(dataFolder);
    if (path.find_first_of("\r\n") != std::string::npos) return old;
    std::vector<std::string> list;
    Keep(list, path);
    for (std::string& entry : old) Keep(list, std::move(entry));
    std::string bytes;
    for (const std::string& entry : list) bytes += entry + '\n';
    WriteFileAtomically(DataFilePath(dataFolder, kRecentFilesName), bytes);
    return list;
}

}  // namespace cn3
