#include "line/line_worksheet.h"

#include <algorithm>

#include "core/number_format.h"
#include "engine/loading_conditions.h"
#include "engine/read_span_problem.h"
#include "engine/selected_cables.h"
#include "engine/span_inputs.h"

namespace cn3::line {

std::variant<LineWorksheet, SolveStopped> LineWorksheetOf(const Program& program) {
    const auto problem = ReadSpanProblem(program);
    if (const auto* stopped = std::get_if<SolveStopped>(&problem)) return *stopped;
    const SpanProblem& p = std::get<SpanProblem>(problem);

    LineWorksheet w;
    w.cables = SelectedCableNames(program.main);
    w.bundleDiameter = p.bundleDiameter;
    w.creep = p.inputs.creep;
    w.installedTemperature = p.inputs.installedTemperature;
    w.sagPercent = program.main.Option1.selected() == 1;
    // The percentage as typed: the span's sag is worked out from it as the worksheet does.
    w.sag = w.sagPercent ? LeadingGroupedNumber(program.main.Text9[entry::kSag].text())
                         : double(p.inputs.sag);
    w.selectedDistrict = std::clamp<int>(program.spanRecord.selectedDistrict, 0, 2);
    const auto& user = program.loading.Check1;
    w.userLoadingsDrawn = user[0].checked() ? (user[1].checked() ? 2 : 1) : 0;
    w.loadings = program.loadings;
    return w;
}

std::variant<SpanProblem, SolveStopped> ProblemOf(const LineWorksheet& worksheet,
                                                  const CableTable& table) {
    auto read = ProblemForCables(table, worksheet.cables, worksheet.selectedDistrict,
                                 worksheet.loadings);
    if (auto* stop = std::get_if<SolveStopped>(&read)) return std::move(*stop);
    SpanProblem& p = std::get<SpanProblem>(read);
    p.inputs.creep = worksheet.creep;
    p.inputs.installedTemperature = worksheet.installedTemperature;
    p.bundleDiameter = worksheet.bundleDiameter;
    return p;
}

std::vector<int> DrawnRows(const LineWorksheet& worksheet) {
    std::vector<int> rows = {1, 2};
    if (worksheet.userLoadingsDrawn >= 1) rows.push_back(4);
    if (worksheet.userLoadingsDrawn >= 2) rows.push_back(5);
    return rows;
}

std::string ConditionLabel(const LineWorksheet& worksheet, int row) {
    const int record = ConditionRecord(row, worksheet.selectedDistrict);
    std::string name = worksheet.loadings.at(static_cast<size_t>(record)).name;
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return record < 3 ? "Rule 251 - " + name : name;
}

}  // namespace cn3::line
