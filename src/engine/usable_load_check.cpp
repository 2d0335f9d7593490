#include "engine/usable_load_check.h"

#include <algorithm>

#include "core/blanks.h"
#include "core/unit_table.h"
#include "engine/loading_table_drawing.h"

namespace cn3 {

namespace {

constexpr int kTensionColumn = 6;  // heading column of the tension
constexpr double kRowSize = 10;    // the table's row type, points
constexpr ui::Rgb kOverColour{200, 0, 0};
constexpr double kMarkWidth = 20;  // twips

std::string Force(const Units& units, float pounds) {
    return units.toDisplay(unit::kForce, pounds, "##,##0 ") + units.label(unit::kForce);
}

}  // namespace

bool UsableLoadCheck::anyOver() const {
    return std::any_of(rows.begin(), rows.end(), [](const RowCheck& r) { return r.over(); });
}

UsableLoadCheck CheckUsableLoad(const Program& program, const SpanSolution& solution) {
    UsableLoadCheck check;
    check.rated = solution.support.breakingStrength > 0.0f;
    check.usableLoad = solution.installed.usableLoad;
    for (int row : DrawnLoadingRows(program)) {
        RowCheck r;
        r.row = row;
        r.tension = solution.conditions.at(static_cast<size_t>(row - 1)).tension;
        if (check.rated) r.excess = std::max(0.0f, r.tension - check.usableLoad);
        check.rows.push_back(r);
    }
    return check;
}

std::string UsableLoadCheckLine(const Program& program, const UsableLoadCheck& check) {
    const Units& units = program.units;
    if (!check.rated) return "The support has no rated breaking strength: no usable load to check.";
    const std::string usable = Force(units, check.usableLoad);
    if (!check.anyOver()) {
        std::string line = "All shown loadings are within the usable load of ";
        line += usable;
        line += '.';
        return line;
    }
    std::string line = "Over the usable load of ";
    line += usable;
    line += ':';
    bool first = true;
    for (const RowCheck& r : check.rows) {
        if (!r.over()) continue;
        line += first ? " " : ", ";
        first = false;
        line += TrimEndSpaces(LoadingRowLabel(program, r.row));
        line += " by ";
        line += Force(units, r.excess);
    }
    line += '.';
    return line;
}

void MarkOverloadedTensions(const UsableLoadCheck& check, const std::vector<DrawnTableRow>& rows,
                            ui::Surface& target, int mode) {
    const TableColumns at = LoadingTableColumns(mode);
    const double left = at[kTensionColumn] + 20;
    const double right = at[kTensionColumn + 1] - 20;
    const double size = target.fontSize();
    target.setFontSize(kRowSize);
    const double height = target.textHeight();
    target.setFontSize(size);
    for (const DrawnTableRow& drawn : rows) {
        const auto found = std::find_if(check.rows.begin(), check.rows.end(),
                                        [&](const RowCheck& r) { return r.row == drawn.row; });
        if (found == check.rows.end() || !found->over()) continue;
        target.rectangle(left, drawn.top - 15, right, drawn.top + height + 15, kOverColour,
                         kMarkWidth);
    }
}

}  // namespace cn3
