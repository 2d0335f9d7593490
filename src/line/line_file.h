// The line file (*.cnl): JSON holding the poles, the spans and their clearances, the
// installation choice and the worksheet the line is strung with, so that it opens alone.
//
//   {"format": "catenova-line", "version": 1,
//    "default_clearance_ft": 15.5,
//    "installation": {"method": "worksheet_sag"} | {"method": "tension", "tension_lb": 1200},
//    "worksheet": {"cables": [...], "bundle_diameter_in", "creep_fraction",
//                  "installed_temperature_f", "sag": {"mode": "absolute"|"percent", "value"},
//                  "district": 0..2, "user_loadings_drawn": 0..2,
//                  "loadings": 7 x {"name", "temperature_f", "ice_thickness_in",
//                                   "wind_pressure_lb_per_ft2", "load_constant_lb_per_ft"}},
//    "poles": [{"id", "ground_elevation_ft", "attachment_height_ft"}, ...],
//    "spans": [{"span_ft", "required_clearance_ft" (may be left out)}, ...]}
//
// Floats are written as their shortest decimals. Reading refuses, with the field and the
// reason, anything else: a missing or unknown name, a value of the wrong kind or out of
// range, another format or a version this program does not know.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "line/input_fault.h"
#include "line/pole_line.h"

namespace cn3::line {

inline constexpr std::string_view kLineFormat = "catenova-line";
inline constexpr int kLineVersion = 1;

struct LineFile {
    PoleLine line;
    LineWorksheet worksheet;
    bool operator==(const LineFile&) const = default;
};

// The file's text, ending in a line break.
std::string LineFileText(const LineFile& file);

// The file read from its text; `name` is the file named in a fault.
std::variant<LineFile, InputFault> ParseLineFile(std::string_view text, const std::string& name);

std::variant<LineFile, InputFault> ReadLineFile(const std::string& path);
// Empty when written, else why not.
std::optional<InputFault> WriteLineFile(const std::string& path, const LineFile& file);

}  // namespace cn3::line
