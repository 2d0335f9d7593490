// The worksheet read into a plain problem: the span entries, the selected cables and their
// carrier, the bundle diameter and the loading records behind the five conditions. The one
// place where the computation reads the controls.
#pragma once

#include <variant>

#include "engine/span_problem.h"
#include "forms/program.h"

namespace cn3 {

std::variant<SpanProblem, SolveStopped> ReadSpanProblem(const Program& program);

}  // namespace cn3
