#include "engine/temperature_table.h"

#include "core/cable_table.h"
#include "core/number_format.h"
#include "engine/solver.h"

namespace cn3 {

namespace {
constexpr int kColumns = 5;
}  // namespace

std::array<TemperatureRow, kTemperatureRows> SweepTemperatures(const SpanSolution& solution) {
    const auto& in = solution.inputs;
    const auto& st = solution.installed;
    const float L = in.span, S = st.cableLength, S0 = st.stressFree;
    const float w = solution.cables.totalWeight, EA = solution.support.stiffness;
    const double alpha = solution.support.thermalCoefficient;

    std::array<TemperatureRow, kTemperatureRows> rows{};
    int T = kTableLowTemperature;
    for (auto& row : rows) {
        const float S0T = static_cast<float>(
            double(S0) * (1.0 + alpha * double(float(T) - in.installedTemperature)));
        row.temperature = T;
        row.sag = SolveSag(L, S0T, w, EA);
        // The stress-free length stands in for the span, as the loading conditions do it.
        row.tension = ParabolicTension(w, S0T, row.sag);
        row.lengthChange =
            static_cast<float>((double(CableLength(L, row.sag)) - double(S)) * 100.0 / double(S));
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
    if (LeadingGroupedNumber(program.main.Text9[entry::kClearance].text()) != 0.0)
        heading +=
            program.main.Text9[entry::kClearance].text() + " " + program.units.label(unit::kLength);
    program.main.GridTemp.setText(0, 4, std::move(heading));
}

}  // namespace cn3
