#include <cmath>

#include "engine/loading_conditions.h"
#include "engine/span_problem.h"
#include "engine/temperature_table.h"

namespace cn3 {

std::variant<SpanSolution, SolveStopped> SolveSpan(const SpanProblem& problem) {
    const SpanInputs& in = problem.inputs;
    if (problem.cables.count == 0) return SolveStopped{SolveStop::NoCable, {}};
    if (problem.cables.supportRow == 0) return SolveStopped{SolveStop::NoCarrier, {}};
    if (in.span == 0.0f) return SolveStopped{SolveStop::NoSpan, {}};
    if (in.span < 0.0f) return SolveStopped{SolveStop::NegativeSpan, {}};
    if (in.sag == 0.0f) return SolveStopped{SolveStop::NoSag, {}};
    if (in.sag < 0.0f) return SolveStopped{SolveStop::NegativeSag, {}};
    // The loading conditions take (1 + creep) of the stress-free length.
    if (in.creep <= -1.0f) return SolveStopped{SolveStop::NoCableLeft, {}};
    const float EA = problem.support.stiffness;
    if (EA == 0.0f || std::isnan(EA))
        return SolveStopped{SolveStop::NoStiffness, problem.support.name};

    SpanSolution s;
    s.inputs = in;
    s.cables = problem.cables;
    s.support = problem.support;
    s.bundleDiameter = problem.bundleDiameter;
    s.clearanceGiven = problem.clearanceGiven;
    s.installed = SolveInstalled(in, problem.cables.totalWeight, problem.support);
    s.temperatures = SweepTemperatures(problem, s.installed);
    s.conditions = SolveLoadingConditions(problem, s.installed);
    return s;
}

}  // namespace cn3
