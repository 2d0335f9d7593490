// Byte-level helpers under text_file.h, for readers that cut fixed columns or items on the
// file's own 8-bit characters (one byte, one character) before turning texts into UTF-8.
//
// Every reader goes through ReadRegularFile, so that whatever a path names it answers: a
// folder, a FIFO or a device is refused before a byte is read (and a FIFO never blocks), a
// file longer than the reader wants is refused by its size, and a read error is a reason.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_error.h"

namespace cn3 {

// The most a data file (catalogue, settings, user cables) may hold: far beyond any real one,
// small enough to read whole without a thought.
inline constexpr std::size_t kTextFileLimit = std::size_t{16} << 20;

struct LimitedRead {
    std::string bytes;       // the whole file, when it is not longer than the limit
    bool tooLong = false;    // longer than the limit: bytes is empty
    std::uint64_t size = 0;  // the size the system gives (0 for some special files)
};

// Reads a regular file of at most `limit` bytes: at most limit + 1 bytes are ever read, none
// when the system's size is already larger. A path that does not exist, a folder, anything
// but a regular file, and an error of the system are a FileError on `what`.
FileResult<LimitedRead> ReadRegularFile(const std::string& what, const std::string& path,
                                        std::size_t limit);

// True for the error of a path that does not exist (a reader may take that as "no file").
bool IsMissingFile(const FileError& error);

// The whole data file, at most kTextFileLimit bytes; a longer one is an error saying so.
FileResult<std::string> ReadDataFileBytes(const std::string& what, const std::string& path);

// The whole data file, or nothing when it cannot be read, for callers that need no reason.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Lines split at LF with a CR before it dropped; a last line without an end is kept, and a
// final line end does not make an extra empty line.
std::vector<std::string> SplitLines(std::string_view bytes);

// The data file's lines as 8-bit bytes, unconverted.
FileResult<std::vector<std::string>> ReadRawLines(const std::string& what,
                                                  const std::string& path);

}  // namespace cn3
