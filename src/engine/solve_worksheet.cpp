#include "engine/solve_worksheet.h"

#include "engine/read_span_problem.h"

namespace cn3 {

std::variant<SpanSolution, SolveStopped> SolveWorksheet(const Program& program) {
    auto problem = ReadSpanProblem(program);
    if (auto* stop = std::get_if<SolveStopped>(&problem)) return std::move(*stop);
    return SolveSpan(std::get<SpanProblem>(problem));
}

}  // namespace cn3
