// A pole line: a strand run of many spans between two dead-end poles, strung with one
// worksheet's cables. Every span shares the line's horizontal tension, that of its ruling
// span. Lengths in feet, tensions in pounds, whatever the display units.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/loading_table.h"

namespace cn3::line {

// The required ground clearance of a span that names none, unless the line says otherwise.
inline constexpr float kDefaultClearance = 15.5f;

struct Pole {
    std::string id;
    float groundElevation = 0.0f;   // ft
    float attachmentHeight = 0.0f;  // ft, the strand's attachment above the ground
    bool operator==(const Pole&) const = default;
};

// The span from one pole to the next.
struct LineSpan {
    float length = 0.0f;                     // ft, horizontal
    std::optional<float> requiredClearance;  // ft; the line's default when none
    bool operator==(const LineSpan&) const = default;
};

// How the strand is pulled up: at the worksheet's sag applied to the ruling span, or at a
// typed horizontal tension.
struct Installation {
    enum class Mode { WorksheetSag, Tension };
    Mode mode = Mode::WorksheetSag;
    float tension = 0.0f;  // lb, with Mode::Tension
    bool operator==(const Installation&) const = default;
};

struct PoleLine {
    std::vector<Pole> poles;      // in line order, dead-end to dead-end
    std::vector<LineSpan> spans;  // spans[i] runs from poles[i] to poles[i + 1]
    float defaultClearance = kDefaultClearance;
    Installation installation;

    float requiredClearance(std::size_t span) const {
        return spans.at(span).requiredClearance.value_or(defaultClearance);
    }
    bool operator==(const PoleLine&) const = default;
};

// What the line takes from a worksheet: its cables and their bundle, creep, installed
// temperature, sag entry and loading settings.
struct LineWorksheet {
    std::vector<std::string> cables;     // selected names, in grid order
    float bundleDiameter = 0.0f;         // in
    float creep = 0.0f;                  // a fraction: 0.05 is 5 %
    float installedTemperature = 60.0f;  // deg F
    bool sagPercent = false;             // the sag entry is a percentage of the span
    double sag = 0.0;                    // ft, or percent with sagPercent
    int selectedDistrict = 2;            // 0 Heavy, 1 Medium, 2 Light
    int userLoadingsDrawn = 0;           // 0, 1 or 2: the user loadings the table draws
    LoadingTable loadings{};             // the seven loading records

    bool operator==(const LineWorksheet&) const = default;
};

}  // namespace cn3::line
