#include "engine/usable_load_check.h"

#include <algorithm>
#include <utility>

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
    return installed.over() || coldest.over() ||
           std::any_of(rows.begin(), rows.end(), [](const RowCheck& r) { return r.over(); });
}

UsableLoadCheck CheckUsableLoad(const Program& program, const SpanSolution& solution) {
    UsableLoadCheck check;
    check.rated = solution.support.breakingStrength > 0.0f;
    check.usableLoad = solution.installed.usableLoad;
    const auto checked = [&](int row, float tension) {
        RowCheck r;
        r.row = row;
        r.tension = tension;
        if (check.rated) r.excess = std::max(0.0f, tension - check.usableLoad);
        return r;
    };
    for (int row : DrawnLoadingRows(program))
        check.rows.push_back(
            checked(row, solution.conditions.at(static_cast<size_t>(row - 1)).tension));
    check.installed = checked(0, solution.installed.tension);
    const auto highest = std::max_element(
        solution.temperatures.begin(), solution.temperatures.end(),
        [](const TemperatureRow& a, const TemperatureRow& b) { return a.tension < b.tension; });
    check.coldest = checked(0, highest->tension);
    check.coldestTemperature = highest->temperature;
    return check;
}

std::string UsableLoadCheckLine(const Program& program, const UsableLoadCheck& check) {
    const Units& units = program.units;
    if (!check.rated) return "The support has no rated breaking strength: no usable load to check.";
    const std::string usable = Force(units, check.usableLoad);

    // Every case checked, with its name: the installed tension, the table's highest row, then
    // the drawn loadings in the table's order.
    const auto temperature = [&](int degrees) {
        std::string text(TrimSpaces(
            units.toDisplay(unit::kTemperature, static_cast<float>(degrees), "##0")));
        const std::string label(TrimSpaces(units.label(unit::kTemperature)));
        if (!label.empty()) {
            text += ' ';
            text += label;
        }
        return text;
    };
    std::vector<std::pair<std::string, RowCheck>> cases = {
        {"installed", check.installed}, {temperature(check.coldestTemperature), check.coldest}};
    for (const RowCheck& r : check.rows)
        cases.emplace_back(TrimEndSpaces(LoadingRowLabel(program, r.row)), r);
    const auto worst = std::max_element(cases.begin(), cases.end(), [](const auto& a, const auto& b) {
        return a.second.tension < b.second.tension;
    });

    if (!check.anyOver()) {
        std::string line = "Installed, ";
        line += std::string(TrimSpaces(units.toDisplay(
                    unit::kTemperature, static_cast<float>(kTableLowTemperature), "##0"))) +
                " to " + temperature(kTableHighTemperature);
        line += " and every shown loading are within the usable load of " + usable +
                "; the highest tension is " + Force(units, worst->second.tension) + " (" +
                worst->first + ").";
        return line;
    }
    std::string line = "Over the usable load of ";
    line += usable;
    line += ':';
    bool first = true;
    for (const auto& [name, r] : cases) {
        if (!r.over()) continue;
        line += first ? " " : ", ";
        first = false;
        line += name;
        line += " by ";
        line += Force(units, r.excess);
        if (&name == &worst->first) line += " (the worst)";
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
