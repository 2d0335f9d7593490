#include "core/settings_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cmath>

#include "core/number_format.h"
#include "core/raw_text_file.h"
#include "core/text_file.h"

namespace cn3 {
namespace {

constexpr const char* kWhat = "settings file";
constexpr std::size_t kUnitWordLength = 7;
constexpr std::size_t kUserLoadingLines = 2;

// The district item must begin as a number does; a word such as "Heavy" is not a district.
std::optional<int> districtOf(std::string_view line) {
    std::string_view item = line.substr(0, line.find(','));
    const std::size_t first = item.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    item.remove_prefix(first);
    std::size_t i = 0;
    if (item[i] == '+' || item[i] == '-') ++i;
    if (i < item.size() && item[i] == '.') ++i;
    if (i >= item.size() || item[i] < '0' || item[i] > '9') return std::nullopt;
    const double value = std::nearbyint(LeadingNumber(item));
    // Only the three Rule 251 districts are meaningful; anything else is treated as unreadable.
    if (value < 0 || value > 2) return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

std::string ReadUnitWord(const std::string& path) {
    const auto bytes = ReadDataFileBytes(kWhat, path);
    if (bytes) return bytes->substr(0, kUnitWordLength);
    if (IsMissingFile(bytes.error())) {
        // A missing file is created empty; O_EXCL never opens one that appeared meanwhile, so
        // nothing is truncated and no FIFO is waited on.
        const int created = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (created >= 0) ::close(created);
    }
    return {};
}

bool WriteUnitWord(const std::string& path, std::string_view word7) {
    std::string word(word7.substr(0, kUnitWordLength));
    word.resize(kUnitWordLength, ' ');
    const auto read = ReadDataFileBytes(kWhat, path);
    if (!read && !IsMissingFile(read.error())) return false;
    const std::string old = read ? *read : std::string();
    const std::string rest =
        old.size() > kUnitWordLength ? old.substr(kUnitWordLength) : std::string();
    return WriteFileAtomically(path, word + rest);
}

SettingsFile ReadSettingsFile(const std::string& path) {
    SettingsFile settings;
    const auto lines = ReadTextLines(kWhat, path);
    if (!lines) {
        if (!IsMissingFile(lines.error())) settings.unreadable = lines.error();
        return settings;
    }
    if (!lines->empty()) settings.unitLine = (*lines)[0];
    if (lines->size() > 1) settings.district = districtOf((*lines)[1]);
    for (std::size_t i = 2; i < lines->size() && i < 2 + kUserLoadingLines; ++i) {
        settings.userLoadingLines.push_back((*lines)[i]);
    }
    return settings;
}

bool WriteSettingsFile(const std::string& path, bool metric, int district,
                       const std::vector<std::string>& userLoadingLines) {
    std::string bytes = metric ? "Metric " : "English";
    bytes += "\r\n" + std::to_string(district) + "\r\n";
    for (std::size_t i = 0; i < userLoadingLines.size() && i < kUserLoadingLines; ++i) {
        bytes += Utf8ToLatin1(userLoadingLines[i]) + "\r\n";
    }
    return WriteFileAtomically(path, bytes);
}

}  // namespace cn3
