// A value of the pole line's window as the designer types and reads it: in the display units,
// converted from and to the internal units (feet, pounds) the line and its file keep. The text
// shown for a value reads back as that very value, so opening a line and reading its grid
// changes nothing, also under metric display: 150 ft shows as "150" or as "45.72" m.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/unit_table.h"

namespace cn3::line {

// The shortest text of the value in display units of `kind` (unit::kLength, unit::kForce ...)
// that reads back as the value: "97.5", "29.718".
std::string DisplayValueText(const Units& units, int kind, float value);

// A typed text read as a value of `kind` in internal units: a number, its integer part
// optionally in thousands groups, optionally followed by the display unit ("150 ft"). Nothing
// when the text is anything else ("16x5", "150 m" under English display, "").
std::optional<float> ReadDisplayValue(const Units& units, int kind, std::string_view text);

}  // namespace cn3::line
