// The settings file CN3NESC.TXT: line 1 the unit word ("English"/"Metric " or "?" and six
// characters on a first run), line 2 the district, lines 3 and 4 the two user loadings.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cn3 {

// First seven bytes of the file, creating it empty when missing.
std::string ReadUnitWord(const std::string& path);

// Rewrites exactly the first seven bytes (whole file written to a temporary and renamed),
// keeping every byte after them. False on failure.
bool WriteUnitWord(const std::string& path, std::string_view word7);

struct SettingsFile {
    std::string unitLine;
    std::optional<int> district;
    std::vector<std::string> userLoadingLines;
};

// Line 1, the district (leading number of line 2's first comma item; none when absent or
// unreadable), and lines 3 and 4 as they stand (at most two).
SettingsFile ReadSettingsFile(const std::string& path);

// "English"/"Metric " line, district, then the given user-loading lines; CR LF; atomically.
bool WriteSettingsFile(const std::string& path, bool metric, int district,
                       const std::vector<std::string>& userLoadingLines);

}  // namespace cn3
