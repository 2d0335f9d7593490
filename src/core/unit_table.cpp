#include "core/unit_table.h"

#include <cstddef>

#include "core/number_format.h"

namespace cn3 {

// A zero factor (a spare row, or a row the catalogue left empty) leaves the value unconverted
// rather than dividing by zero.
std::string UnitConvert(const UnitTable& table, std::uint8_t metricUnits, int mode, int kind,
                        float value, std::string_view pattern) {
    if (kind < 0 || kind >= static_cast<int>(table.size())) return {};
    const UnitRow& row = table[static_cast<std::size_t>(kind)];
    const bool metric = metricUnits != 0;
    switch (mode) {
        case kUnitLabel:
            return metric ? row.metricLabel : row.englishLabel;
        case kToDisplay:
            return FormatNumber(static_cast<double>(ToDisplayValue<float>(table, metric, kind, value)), pattern);
        case kFromInput:
            if (metric) {
                if (row.factor != 0.0f) value = value / row.factor;
                if (kind == unit::kTemperature) value = value + table[unit::kTemperature].offset;
            }
            return FormatNumber(static_cast<double>(value), pattern);
        default:
            return {};
    }
}

float Units::fromInputValue(int kind, float value, std::string_view pattern) const {
    return static_cast<float>(LeadingNumber(fromInput(kind, value, pattern)));
}

}  // namespace cn3
