// The typed solution of one worksheet: everything a recomputation works out, in internal
// (English) units, before anything is formatted. Recompute formats it into the results text,
// the temperature-effect grid, the loading results and the drawn table; batch output and
// charts read it as it is.
#pragma once

#include <array>
#include <string>

#include "engine/installed_state.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"

namespace cn3 {

inline constexpr int kTableLowTemperature = -40;
inline constexpr int kTableHighTemperature = 140;
inline constexpr int kTableTemperatureStep = 10;
inline constexpr int kTemperatureRows =
    (kTableHighTemperature - kTableLowTemperature) / kTableTemperatureStep + 1;  // 19
inline constexpr int kConditions = 5;

// The installed cable at one temperature (no creep, ice or wind).
struct TemperatureRow {
    int temperature = 0;        // deg F
    float sag = 0.0f;           // ft
    float tension = 0.0f;       // lb
    float lengthChange = 0.0f;  // % of the installed cable length
    float clearance = 0.0f;     // ft; meaningful only when a clearance is entered
};

// One loading condition: the installed cable, lengthened by the temperature change and creep,
// under the condition's ice, wind and load constant.
struct LoadingCondition {
    int record = 0;                  // the loading record behind it (0..6)
    float temperature = 0.0f;        // deg F
    float iceLoad = 0.0f;            // lb/ft
    float windPressure = 0.0f;       // lb/ft2
    float resultant = 0.0f;          // resultant load plus the load constant, lb/ft
    float sag = 0.0f;                // ft
    float tension = 0.0f;            // lb
    float lengthChange = 0.0f;       // % of the installed cable length
    float pointSag = 0.0f;           // ft, at the point of interest
    float horizontalSag = 0.0f;      // ft
    float verticalSag = 0.0f;        // ft
    float angle = 0.0f;              // deg from the vertical
    float iceThickness = 0.0f;       // in
    float loadConstant = 0.0f;       // lb/ft
};

struct SpanSolution {
    SpanInputs inputs;
    SpanCables cables;
    SupportCable support;
    InstalledState installed;
    float bundleDiameter = 0.0f;  // in
    bool clearanceGiven = false;  // a clearance entry other than 0
    std::array<TemperatureRow, kTemperatureRows> temperatures{};
    std::array<LoadingCondition, kConditions> conditions{};  // condition 1 is conditions[0]
};

// Why a worksheet has no solution; the views keep what they show.
enum class SolveStop {
    UnknownCable,  // a selected name is not in the cable table (`name`)
    NoCable,       // nothing is selected
    NoCarrier,     // no selected cable carries the span
    NoSpan,        // the span length reads 0
    NegativeSpan,  // the span length reads below 0
    NoSag,         // the sag reads 0
    NegativeSag,   // the sag reads below 0 (the tension would come out negative)
    NoCableLeft,   // a creep entry of -1 or below takes the whole cable length away
    NoStiffness,   // the carrier's axial stiffness is 0 or not a number (`name`)
};

struct SolveStopped {
    SolveStop reason;
    std::string name;  // the cable concerned, where there is one
};

}  // namespace cn3
