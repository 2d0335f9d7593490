// 8-bit text files at the program's edge: the data files are Latin-1, the program holds UTF-8.
// Reading splits lines on LF (a CR before it is dropped); writing replaces a file whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

// The lines of a Latin-1 file as UTF-8, with CR LF or LF line ends removed; a last line
// without an end is kept. Nothing when the file cannot be opened.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Latin-1 bytes to UTF-8.
std::string Latin1ToUtf8(std::string_view text);
// UTF-8 to Latin-1 bytes; a character Latin-1 cannot hold (or a broken sequence) becomes "?".
std::string Utf8ToLatin1(std::string_view text);

// Writes the bytes to a temporary file in the target's folder and renames it over the
// target, so a reader never sees half a file; the new file keeps the old one's permissions.
// False on failure, with the old file untouched.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace cn3
