#include "engine/read_span_problem.h"

#include "core/number_format.h"
#include "engine/loading_conditions.h"
#include "engine/selected_cables.h"

namespace cn3 {

std::variant<SpanProblem, SolveStopped> ReadSpanProblem(const Program& program) {
    const auto read = ReadSpanCables(program.cables, SelectedCableNames(program.main));
    if (const auto* unknown = std::get_if<UnknownCable>(&read))
        return SolveStopped{SolveStop::UnknownCable, unknown->name};

    SpanProblem p;
    p.cables = std::get<SpanCables>(read);
    if (p.cables.count == 0) return SolveStopped{SolveStop::NoCable, {}};
    // The selection rules let no such selection through; never read the heading row.
    if (p.cables.supportRow == 0) return SolveStopped{SolveStop::NoCarrier, {}};
    p.support = ReadSupportCable(program.cables, p.cables.supportRow);
    p.inputs = ReadSpanInputs(program);
    p.clearanceGiven = ClearanceGiven(program.main);
    p.bundleDiameter = OverallDiameter(program);
    for (int i = 1; i <= kConditions; ++i) {
        const int record = ConditionRecord(i, program.spanRecord.selectedDistrict);
        p.conditionRecordIndex.at(static_cast<size_t>(i - 1)) = record;
        p.conditionRecords.at(static_cast<size_t>(i - 1)) =
            program.loadings.at(static_cast<size_t>(record));
    }
    return p;
}

}  // namespace cn3
