// The worksheet as a plain problem: the span entries in internal units, the selected cables,
// the carrier, the bundle diameter and the five loading records. Nothing here knows a
// control; the worksheet reader fills it, and a pole line fills it for its ruling span.
#pragma once

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "core/loading_table.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"
#include "engine/span_solution.h"

namespace cn3 {

struct SpanProblem {
    SpanInputs inputs;            // span, sag (after the sag-mode rule), creep, temperature ...
    SpanCables cables;            // count, carrier row, total weight, kinds
    SupportCable support;         // the carrier's mechanical properties
    float bundleDiameter = 0.0f;  // in
    bool clearanceGiven = false;  // a clearance entry other than 0
    // The loading record behind each of the five conditions: the selected district, then
    // records 3, 4, 5 and 6.
    std::array<LoadingRecord, kConditions> conditionRecords{};
    std::array<int, kConditions> conditionRecordIndex{};
};

// The cables and loadings of a problem: the named cables read from the table (their count,
// carrier, load and kinds, and the carrier's properties) and the loading records behind the
// five conditions for the district; or the stop the selection gives (a name not in the table,
// no cable, no carrier). The span entries are left for the caller to fill.
std::variant<SpanProblem, SolveStopped> ProblemForCables(const CableTable& table,
                                                         const std::vector<std::string>& names,
                                                         int selectedDistrict,
                                                         const LoadingTable& loadings);

// The physics of one span: installed state, the 19-row temperature sweep and the five
// loading conditions, or the reason there is none. Pure: it reads only the problem.
std::variant<SpanSolution, SolveStopped> SolveSpan(const SpanProblem& problem);

}  // namespace cn3
