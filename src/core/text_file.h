// 8-bit text files at the program's edge: the data files are Latin-1, the program holds UTF-8.
// Reading splits lines on LF (a CR before it is dropped); writing replaces a file whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_error.h"

namespace cn3 {

// The lines of a Latin-1 data file as UTF-8, with CR LF or LF line ends removed; a last line
// without an end is kept. A file that cannot be read is an error on `what` saying why.
FileResult<std::vector<std::string>> ReadTextLines(const std::string& what,
                                                   const std::string& path);
// The same, or nothing when the file cannot be read, for callers that need no reason.
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
