// The unit table and the one conversion every shown or typed value goes through.
// Values are held in English units; metric appears only in texts, through UnitConvert.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace cn3 {

struct UnitRow {
    std::string englishLabel;
    std::string metricLabel;
    float factor = 0.0f;  // metric display units per internal unit
    float offset = 0.0f;  // zero shift; only kind 1 (temperature) uses it
};

// Kinds 0 to 20; rows 0 to 13 come from the catalogue file.
using UnitTable = std::array<UnitRow, 21>;

// Unit kinds whose role the program fixes.
namespace unit {
inline constexpr int kTemperature = 1;
inline constexpr int kForce = 2;
inline constexpr int kSmallLength = 3;
inline constexpr int kLength = 4;
inline constexpr int kWindPressure = 7;
inline constexpr int kLoadPerLength = 8;
inline constexpr int kWindLoad = 9;
}  // namespace unit

// Modes of UnitConvert; any other mode gives an empty text.
inline constexpr int kUnitLabel = 1;
inline constexpr int kToDisplay = 2;
inline constexpr int kFromInput = 3;

// A value of kind `kind` (0..20) in internal units as the display shows it: metric subtracts
// the kind-1 offset from a temperature, then multiplies by the kind's factor (a zero factor, a
// spare row, leaves the value as it is); English leaves it. T is the precision each step is
// rounded to: float for the shown texts, double for drawing.
template <class T>
T ToDisplayValue(const UnitTable& table, bool metric, int kind, T value) {
    if (!metric) return value;
    if (kind == unit::kTemperature) value = value - static_cast<T>(table[unit::kTemperature].offset);
    const float factor = table[static_cast<std::size_t>(kind)].factor;
    if (factor != 0.0f) value = value * static_cast<T>(factor);
    return value;
}

// mode 1: the label of the kind in the display system (value and pattern ignored);
// mode 2: internal -> display (metric: subtract the kind-1 offset, then multiply);
// mode 3: display -> internal (metric: divide, then add the kind-1 offset).
// Each intermediate is rounded to single precision; the result is formatted with the pattern.
// A kind outside 0..20 gives an empty text.
std::string UnitConvert(const UnitTable& table, std::uint8_t metricUnits, int mode, int kind,
                        float value, std::string_view pattern);

// The table together with the display choice, as the program uses them.
struct Units {
    UnitTable table{};
    std::uint8_t metricUnits = 0;  // non-zero: metric display

    std::string label(int kind) const {
        return UnitConvert(table, metricUnits, kUnitLabel, kind, 0.0f, {});
    }
    std::string toDisplay(int kind, float value, std::string_view pattern) const {
        return UnitConvert(table, metricUnits, kToDisplay, kind, value, pattern);
    }
    std::string fromInput(int kind, float value, std::string_view pattern) const {
        return UnitConvert(table, metricUnits, kFromInput, kind, value, pattern);
    }
    // fromInput read back as a number: the usual way a typed value enters the program.
    float fromInputValue(int kind, float value, std::string_view pattern) const;
    // A value as the display shows it, as an unrounded number for drawing; a kind outside
    // 0..20 is left as it is.
    double displayNumber(int kind, float value) const {
        const auto v = static_cast<double>(value);
        if (kind < 0 || kind >= static_cast<int>(table.size())) return v;
        return ToDisplayValue<double>(table, metricUnits != 0, kind, v);
    }
};

}  // namespace cn3
