#include "engine/solve_worksheet.h"

#include <cmath>

#include "core/number_format.h"
#include "engine/loading_conditions.h"
#include "engine/selected_cables.h"
#include "engine/temperature_table.h"

namespace cn3 {

std::variant<SpanSolution, SolveStopped> SolveWorksheet(const Program& program) {
    const auto read = ReadSpanCables(program.cables, SelectedCableNames(program.main));
    if (const auto* unknown = std::get_if<UnknownCable>(&read))
        return SolveStopped{SolveStop::UnknownCable, unknown->name};

    SpanSolution s;
    s.cables = std::get<SpanCables>(read);
    if (s.cables.count == 0) return SolveStopped{SolveStop::NoCable, {}};
    // The selection rules let no such selection through; never read the heading row.
    if (s.cables.supportRow == 0) return SolveStopped{SolveStop::NoCarrier, {}};
    s.support = ReadSupportCable(program.cables, s.cables.supportRow);
    s.inputs = ReadSpanInputs(program);
    if (s.inputs.span == 0.0f) return SolveStopped{SolveStop::NoSpan, {}};
    if (s.inputs.span < 0.0f) return SolveStopped{SolveStop::NegativeSpan, {}};
    if (s.inputs.sag == 0.0f) return SolveStopped{SolveStop::NoSag, {}};
    if (s.inputs.sag < 0.0f) return SolveStopped{SolveStop::NegativeSag, {}};
    // The loading conditions take (1 + creep) of the stress-free length.
    if (s.inputs.creep <= -1.0f) return SolveStopped{SolveStop::NoCableLeft, {}};
    const float EA = s.support.stiffness;
    if (EA == 0.0f || std::isnan(EA)) return SolveStopped{SolveStop::NoStiffness, s.support.name};

    s.installed = SolveInstalled(s.inputs, s.cables.totalWeight, s.support);
    s.clearanceGiven = LeadingGroupedNumber(program.main.Text9[entry::kClearance].text()) != 0.0;
    s.temperatures = SweepTemperatures(s);
    s.bundleDiameter = OverallDiameter(program);
    s.conditions = SolveLoadingConditions(program, s);
    return s;
}

}  // namespace cn3
