// A pole line solved: the ruling span through the worksheet's own span solver, so that every
// span shares the tension of a span of ruling length at each condition, then each span's
// sags, its lowest clearance, each pole's weight span and the usable-load check.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

#include "engine/span_problem.h"
#include "line/pole_line.h"
#include "line/span_geometry.h"

namespace cn3::line {

// A condition the line is worked out at: as installed, each of the 19 table temperatures
// (cable weight alone), and each loading condition the worksheet draws.
struct LineCondition {
    enum class Kind { Installed, Temperature, Loading };
    Kind kind = Kind::Installed;
    std::string name;          // "installed", "140 F", "Rule 251 - Heavy"
    float temperature = 0.0f;  // deg F
    float tension = 0.0f;      // lb, the line's horizontal tension
    float rulingSag = 0.0f;    // ft, the ruling span's vertical sag
    int row = 0;               // the loading-table row of a loading condition
};

struct SpanResult {
    float length = 0.0f;             // ft
    float requiredClearance = 0.0f;  // ft
    float installedSag = 0.0f;       // ft
    LowestClearance installed;       // lowest clearance as installed
    LowestClearance lowest;          // the lowest over the clearance conditions
    std::size_t governing = 0;       // LineSolution::conditions index of `lowest`
    float margin = 0.0f;             // lowest minus required, ft
    bool clearanceOk = true;
    bool rulingSpanNote = false;  // shorter than half the ruling span or longer than 1.5 times
    std::array<float, kTemperatureRows> stringing{};  // sag at -40 .. 140 deg F, ft
};

struct PoleResult {
    float weightSpan = 0.0f;  // ft, at the coldest condition
    bool uplift = false;      // a negative weight span: the strand pulls the pole up
    float upliftLoad = 0.0f;  // lb, the cable weight of the negative weight span
};

struct Overload {
    std::size_t condition = 0;  // LineSolution::conditions index
    float excess = 0.0f;        // lb over the usable load
};

struct LineSolution {
    float rulingSpan = 0.0f;  // ft
    SpanSolution ruling;      // the ruling span as the worksheet solves it
    // Installed, then the 19 temperatures from -40 deg F, then the drawn loadings.
    std::vector<LineCondition> conditions;
    std::size_t coldest = 1;                 // -40 deg F: the weight spans
    std::size_t hottest = kTemperatureRows;  // 140 deg F
    bool rated = false;                      // the carrier has a rated breaking strength
    float usableLoad = 0.0f;                 // lb, 60 % of it
    std::vector<Overload> overloads;
    std::vector<SpanResult> spans;
    std::vector<PoleResult> poles;

    bool passes() const;
};

// The ruling span's sag under the installation choice: the worksheet's sag entry applied to
// the ruling span (feet, or percent of it, as the worksheet reads it), or the sag at which the
// typed tension holds, w RS^2 / (8 H), rounded as the worksheet rounds its tension.
float InstalledRulingSag(const Installation& installation, const LineWorksheet& worksheet,
                         float totalWeight, float rulingSpan);

// Solves the line strung with `worksheet`, whose cables and loadings `base` holds (its span and
// sag are replaced by the ruling span's). The text says why there is no solution.
std::variant<LineSolution, std::string> SolveLine(const PoleLine& line,
                                                  const LineWorksheet& worksheet,
                                                  const SpanProblem& base);

}  // namespace cn3::line
