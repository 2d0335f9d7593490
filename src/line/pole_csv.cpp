#include "line/pole_csv.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <vector>

namespace cn3::line {

namespace {

constexpr std::array<std::string_view, 5> kColumns = {
    "pole_id", "ground_elevation_ft", "attachment_height_ft", "span_ft", "required_clearance_ft"};
enum Column { kId, kGround, kHeight, kSpan, kClearance };

struct Fault {
    int line;
    std::string field, reason;
};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The fields of one line; a quoted field keeps its commas and doubled quotes.
std::vector<std::string> Fields(std::string_view line, int number) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += '"', ++i;
            else
                quoted = false;
        } else if (c == '"' && Trimmed(fields.back()).empty()) {
            fields.back().clear();
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) throw Fault{number, {}, "a quoted field is not closed on its line"};
    return fields;
}

std::string Shown(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, 40)) out += static_cast<unsigned char>(c) < 0x20 ? '?' : c;
    return out;
}

std::optional<float> Number(const std::string& field, int line, Column column) {
    const std::string_view text = Trimmed(field);
    if (text.empty()) return std::nullopt;
    float value = 0.0f;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        throw Fault{line, std::string(kColumns[column]),
                    "a number is needed, not \"" + Shown(text) + "\""};
    return value;
}

float Needed(const std::string& field, int line, Column column) {
    const auto value = Number(field, line, column);
    if (!value) throw Fault{line, std::string(kColumns[column]), "is empty; a number is needed"};
    return *value;
}

PoleLine Parse(std::string_view text, float defaultClearance) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);  // a spreadsheet's BOM
    std::vector<std::pair<int, std::string>> lines;
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++number;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (!Trimmed(line).empty()) lines.emplace_back(number, std::string(line));
    }
    if (lines.empty()) throw Fault{0, {}, "is empty; a header row is needed"};

    const auto header = Fields(lines.front().second, lines.front().first);
    bool headerOk = header.size() == kColumns.size();
    for (std::size_t i = 0; headerOk && i < header.size(); ++i)
        headerOk = Trimmed(header[i]) == kColumns[i];
    if (!headerOk)
        throw Fault{
            lines.front().first, {}, "the header row must be " + std::string(kPoleCsvHeader)};

    PoleLine out;
    out.defaultClearance = defaultClearance;
    std::set<std::string> ids;
    for (std::size_t r = 1; r < lines.size(); ++r) {
        const int at = lines[r].first;
        const auto fields = Fields(lines[r].second, at);
        if (fields.size() != kColumns.size())
            throw Fault{at,
                        {},
                        std::to_string(fields.size()) + " fields; a pole row has " +
                            std::to_string(kColumns.size())};
        Pole pole;
        pole.id = std::string(Trimmed(fields[kId]));
        if (pole.id.empty()) throw Fault{at, "pole_id", "is empty"};
        if (!ids.insert(pole.id).second)
            throw Fault{at, "pole_id", "\"" + Shown(pole.id) + "\" names an earlier pole too"};
        pole.groundElevation = Needed(fields[kGround], at, kGround);
        pole.attachmentHeight = Needed(fields[kHeight], at, kHeight);
        if (pole.attachmentHeight < 0.0f)
            throw Fault{at, "attachment_height_ft", "must not be below 0"};

        const auto span = Number(fields[kSpan], at, kSpan);
        const auto clearance = Number(fields[kClearance], at, kClearance);
        const bool last = r + 1 == lines.size();
        if (last) {
            if (r < 2) throw Fault{at, {}, "a line needs at least two poles"};
            if (span)
                throw Fault{at, "span_ft", "the last pole has no span after it: leave it empty"};
            if (clearance)
                throw Fault{at, "required_clearance_ft",
                            "the last pole has no span after it: leave it empty"};
        } else {
            if (!span) throw Fault{at, "span_ft", "is empty; only the last pole has no span"};
            if (!(*span > 0.0f)) throw Fault{at, "span_ft", "must be more than 0"};
            if (clearance && *clearance < 0.0f)
                throw Fault{at, "required_clearance_ft", "must not be below 0"};
            out.spans.push_back({*span, clearance});
        }
        out.poles.push_back(std::move(pole));
    }
    if (out.poles.size() < 2)
        throw Fault{lines.back().first, {}, "a line needs at least two poles"};
    return out;
}

}  // namespace

std::variant<PoleLine, InputFault> ParsePoleCsv(std::string_view text, const std::string& name,
                                                float defaultClearance) {
    try {
        return Parse(text, defaultClearance);
    } catch (const Fault& fault) {
        return InputFault{name, fault.line, fault.field, fault.reason};
    }
}

std::variant<PoleLine, InputFault> ReadPoleCsv(const std::string& path, float defaultClearance) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return InputFault{path, 0, {}, "cannot be opened"};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return ParsePoleCsv(bytes.str(), path, defaultClearance);
}

}  // namespace cn3::line
