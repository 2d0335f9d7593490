#include "engine/read_span_problem.h"

#include "core/number_format.h"
#include "engine/loading_conditions.h"
#include "engine/selected_cables.h"

namespace cn3 {

std::variant<SpanProblem, SolveStopped> ProblemForCables(const CableTable& table,
                                                         const std::vector<std::string>& names,
                                                         int selectedDistrict,
                                                         const LoadingTable& loadings) {
    const auto read = ReadSpanCables(table, names);
    if (const auto* unknown = std::get_if<UnknownCable>(&read))
        return SolveStopped{SolveStop::UnknownCable, unknown->name};

    SpanProblem p;
    p.cables = std::get<SpanCables>(read);
    if (p.cables.count == 0) return SolveStopped{SolveStop::NoCable, {}};
    // The selection rules let no such selection through; never read the heading row.
    if (p.cables.supportRow == 0) return SolveStopped{SolveStop::NoCarrier, {}};
    p.support = ReadSupportCable(table, p.cables.supportRow);
    for (int i = 1; i <= kConditions; ++i) {
        const int record = ConditionRecord(i, selectedDistrict);
        p.conditionRecordIndex.at(static_cast<size_t>(i - 1)) = record;
        p.conditionRecords.at(static_cast<size_t>(i - 1)) = loadings.at(static_cast<size_t>(record));
    }
    return p;
}

std::variant<SpanProblem, SolveStopped> ReadSpanProblem(const Program& program) {
    auto read = ProblemForCables(program.cables, SelectedCableNames(program.main),
                                 program.spanRecord.selectedDistrict, program.loadings);
    if (auto* stop = std::get_if<SolveStopped>(&read)) return std::move(*stop);
    SpanProblem& p = std::get<SpanProblem>(read);
    if (program.placeholderDiameter)
        return SolveStopped{SolveStop::PlaceholderDiameter, {}, p.cables.count};
    p.inputs = ReadSpanInputs(program);
    p.clearanceGiven = ClearanceGiven(program.main);
    p.bundleDiameter = OverallDiameter(program);
    return p;
}

}  // namespace cn3
