#include "line/display_value.h"

#include <cctype>
#include <charconv>
#include <cmath>

#include "core/number_format.h"

namespace cn3::line {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool SameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The display number back in internal units: the inverse of Units::displayNumber.
std::optional<float> Internal(const Units& units, int kind, double shown) {
    double value = shown;
    if (units.metricUnits != 0) {
        const UnitRow& row = units.table.at(static_cast<std::size_t>(kind));
        if (row.factor != 0.0f) value /= static_cast<double>(row.factor);
        if (kind == unit::kTemperature)
            value += static_cast<double>(units.table[unit::kTemperature].offset);
    }
    const auto internal = static_cast<float>(value);
    if (!std::isfinite(internal)) return std::nullopt;
    return internal;
}

}  // namespace

std::optional<float> ReadDisplayValue(const Units& units, int kind, std::string_view text) {
    text = Trimmed(text);
    const std::size_t end = LeadingGroupedNumberEnd(text);
    if (end == 0) return std::nullopt;
    const std::string_view rest = Trimmed(text.substr(end));
    if (!rest.empty() && !SameWord(rest, Trimmed(units.label(kind)))) return std::nullopt;
    return Internal(units, kind, LeadingGroupedNumber(text));
}

std::string DisplayValueText(const Units& units, int kind, float value) {
    const double shown = units.displayNumber(kind, value);
    char buffer[64];
    for (int decimals = 0; decimals <= 9; ++decimals) {
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, shown,
                                           std::chars_format::fixed, decimals);
        if (written.ec != std::errc()) break;
        std::string text(buffer, written.ptr);
        if (text == "-0") text = "0";
        const auto back = ReadDisplayValue(units, kind, text);
        if (decimals == 9 || (back && *back == value)) return text;
    }
    return FormatNumber(shown, "0.#########");
}

}  // namespace cn3::line
