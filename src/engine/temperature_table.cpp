#include "engine/temperature_table.h"

#include "core/cable_table.h"
#include "core/number_format.h"
#include "engine/span_state.h"

namespace cn3 {

namespace {
constexpr int kColumns = 5;
}  // namespace

std::array<TemperatureRow, kTemperatureRows> SweepTemperatures(const SpanProblem& problem,
                                                               const InstalledState& installed) {
    const auto& in = problem.inputs;
    std::array<TemperatureRow, kTemperatureRows> rows{};
    int T = kTableLowTemperature;
    for (auto& row : rows) {
        const SpanState state = StateAt(in, installed, problem.support, float(T),
                                        problem.cables.totalWeight, 0.0f);
        row.temperature = T;
        row.sag = state.sag;
        row.tension = state.tension;
        row.lengthChange = state.lengthChange;
        row.clearance = in.clearance + in.sag - row.sag;
        T += kTableTemperatureStep;
    }
    return rows;
}

void FillTemperatureTable(Program& program, const SpanSolution& solution) {
    auto& grid = program.main.GridTemp;
    const auto& units = program.units;

    grid.setRows(kTemperatureRows + 1);
    if (grid.cols() < kColumns) grid.setCols(kColumns);

    int r = 1;
    for (const auto& row : solution.temperatures) {
        grid.setText(
            r, 0, units.toDisplay(unit::kTemperature, static_cast<float>(row.temperature), "##.0"));
        grid.setText(r, 1, units.toDisplay(unit::kLength, row.sag, "##.00 "));
        grid.setText(r, 2, units.toDisplay(unit::kForce, row.tension, "##,### "));
        grid.setText(r, 3, FormatNumber(row.lengthChange, "#0.00"));
        grid.setText(r, 4,
                     solution.clearanceGiven
                         ? units.toDisplay(unit::kLength, row.clearance, "##.00 ")
                         : std::string("N/A"));
        ++r;
    }
}

void WriteClearanceHeading(Program& program) {
    std::string heading = "Clearance";
    heading += kHeaderBreak;
    if (ClearanceGiven(program.main))
        heading +=
            program.main.Text9[entry::kClearance].text() + " " + program.units.label(unit::kLength);
    program.main.GridTemp.setText(0, 4, std::move(heading));
}

}  // namespace cn3
