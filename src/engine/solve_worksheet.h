// The worksheet solved: a pure function from the controls to the typed solution, or the
// reason there is none. It shows nothing and changes nothing.
#pragma once

#include <variant>

#include "engine/span_solution.h"
#include "forms/program.h"

namespace cn3 {

std::variant<SpanSolution, SolveStopped> SolveWorksheet(const Program& program);

}  // namespace cn3
