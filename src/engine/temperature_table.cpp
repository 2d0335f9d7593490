#include "engine/temperature_table.h"

#include "core/cable_table.h"
#include "core/number_format.h"
#include "engine/solver.h"

namespace cn3 {

namespace {
constexpr int kColumns = 5;

bool ClearanceGiven(const Program& program) {
    return LeadingNumber(program.main.Text9[entry::kClearance].text()) != 0.0;
}
}  // namespace

void FillTemperatureTable(Program& program, const SpanSolution& solution) {
    auto& grid = program.main.GridTemp;
    const auto& units = program.units;
    const auto& in = solution.inputs;
    const auto& st = solution.installed;
    const float L = in.span, S = st.cableLength, S0 = st.stressFree;
    const float w = solution.cables.totalWeight, EA = solution.support.stiffness;
    const double alpha = solution.support.thermalCoefficient;
    const bool clearance = ClearanceGiven(program);

    grid.setRows((kTableHighTemperature - kTableLowTemperature) / kTableTemperatureStep + 2);
    if (grid.cols() < kColumns) grid.setCols(kColumns);

    int row = 1;
    for (int T = kTableLowTemperature; T <= kTableHighTemperature;
         T += kTableTemperatureStep, ++row) {
        const float S0T = static_cast<float>(
            double(S0) * (1.0 + alpha * double(float(T) - in.installedTemperature)));
        const float DT = SolveSag(L, S0T, w, EA);
        // The stress-free length stands in for the span, as the loading conditions do it.
        const float HT = ParabolicTension(w, S0T, DT);
        const float change =
            static_cast<float>((double(CableLength(L, DT)) - double(S)) * 100.0 / double(S));

        grid.setText(row, 0, units.toDisplay(unit::kTemperature, static_cast<float>(T), "##.0"));
        grid.setText(row, 1, units.toDisplay(unit::kLength, DT, "##.00 "));
        grid.setText(row, 2, units.toDisplay(unit::kForce, HT, "##,### "));
        grid.setText(row, 3, FormatNumber(change, "#0.00"));
        grid.setText(row, 4,
                     clearance
                         ? units.toDisplay(unit::kLength, in.clearance + in.sag - DT, "##.00 ")
                         : std::string("N/A"));
    }
}

void WriteClearanceHeading(Program& program) {
    std::string heading = "Clearance";
    heading += kHeaderBreak;
    if (ClearanceGiven(program))
        heading +=
            program.main.Text9[entry::kClearance].text() + " " + program.units.label(unit::kLength);
    program.main.GridTemp.setText(0, 4, std::move(heading));
}

}  // namespace cn3
