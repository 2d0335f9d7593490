// The settings file CN3NESC.TXT: line 1 the unit word ("English"/"Metric " or "?" and six
// characters on a first run), line 2 the district, lines 3 and 4 the two user loadings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_error.h"

namespace cn3 {

// First seven bytes of the file, creating it empty when missing; nothing when it cannot be
// read (ReadSettingsFile says why).
std::string ReadUnitWord(const std::string& path);

// Rewrites exactly the first seven bytes (whole file written to a temporary and renamed),
// keeping every byte after them. False on failure, and for a file that cannot be read, whose
// rest would be lost.
bool WriteUnitWord(const std::string& path, std::string_view word7);

struct SettingsFile {
    std::string unitLine;
    std::optional<int> district;
    std::vector<std::string> userLoadingLines;
    std::optional<FileError> unreadable;  // why a file that is there could not be read
};

// Line 1, the district (leading number of line 2's first comma item; none when absent or
// unreadable), and lines 3 and 4 as they stand (at most two). A missing file reads as an
// empty one; any other that cannot be read gives nothing but the reason.
SettingsFile ReadSettingsFile(const std::string& path);

// "English"/"Metric " line, district, then the given user-loading lines; CR LF; atomically.
bool WriteSettingsFile(const std::string& path, bool metric, int district,
                       const std::vector<std::string>& userLoadingLines);

}  // namespace cn3
