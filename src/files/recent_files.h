// The span files opened or written last, newest first, for the menu's "Open Recent". They are
// kept in a small file of the data folder (CN3RECENT.TXT, one path a line, as the bytes of the
// path), beside the program's other files, so that they move with the data folder and the
// program needs no second place to keep things.
//
// The list is a convenience: a file that cannot be read is an empty list, and a write that
// fails leaves the old file as it was and is not reported.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

inline constexpr std::string_view kRecentFilesName = "CN3RECENT.TXT";
inline constexpr std::size_t kRecentFilesKept = 8;

// The list as kept: blank lines and repeats dropped, at most eight.
std::vector<std::string> ReadRecentFiles(const std::string& dataFolder);

// Puts `path` at the top of the list (once), keeps eight and writes the list; gives back the
// new list. A path with a line break cannot be kept in the file and leaves the list as it was.
std::vector<std::string> NoteRecentFile(const std::string& dataFolder, const std::string& path);

}  // namespace cn3
