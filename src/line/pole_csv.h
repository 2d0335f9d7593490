// The poles of a line as CSV: a header row, then one row per pole in line order,
//   pole_id,ground_elevation_ft,attachment_height_ft,span_ft,required_clearance_ft
// span_ft is the span from this pole to the next (empty on the last pole);
// required_clearance_ft may be empty, and the line's default clearance then applies. Values
// are feet whatever the display units. A field may be quoted as CSV quotes it. A fault names
// its line and field.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "line/input_fault.h"
#include "line/pole_line.h"

namespace cn3::line {

inline constexpr std::string_view kPoleCsvHeader =
    "pole_id,ground_elevation_ft,attachment_height_ft,span_ft,required_clearance_ft";

// The line of the CSV, with `defaultClearance` and installed at the worksheet's sag.
std::variant<PoleLine, InputFault> ParsePoleCsv(std::string_view text, const std::string& name,
                                                float defaultClearance = kDefaultClearance);

std::variant<PoleLine, InputFault> ReadPoleCsv(const std::string& path,
                                               float defaultClearance = kDefaultClearance);

}  // namespace cn3::line
