#include "engine/shown_loadings.h"

#include "core/unit_table.h"
#include "engine/loading_conditions.h"

namespace cn3 {

std::vector<int> DrawnLoadingRows(const Program& program) {
    const auto& user = program.loading.Check1;
    std::vector<int> rows = {1, 2};
    if (user[0].checked()) rows.push_back(4);
    if (user[0].checked() && user[1].checked()) rows.push_back(5);
    return rows;
}

std::string LoadingRowLabel(const Program& program, int row) {
    const int record = ConditionRecord(row, program.spanRecord.selectedDistrict);
    const auto& name = program.loadings.at(static_cast<size_t>(record)).name;
    return record < 3 ? "Rule 251 - " + name : name;
}

std::string LoadingCellText(const Program& program, int row, int field) {
    const auto& results = program.loadingResults;
    const int kind = static_cast<int>(results.at(0, field));
    return program.units.toDisplay(kind, results.at(row, field),
                                   results.formats.at(static_cast<size_t>(field)));
}

}  // namespace cn3
