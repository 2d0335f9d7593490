// Byte-level helpers under text_file.h, for readers that cut fixed columns or items on the
// file's own 8-bit characters (one byte, one character) before turning texts into UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Lines split at LF with a CR before it dropped; a last line without an end is kept, and a
// final line end does not make an extra empty line.
std::vector<std::string> SplitLines(std::string_view bytes);

// The file's lines as 8-bit bytes, unconverted.
std::optional<std::vector<std::string>> ReadRawLines(const std::string& path);

}  // namespace cn3
