#include "engine/recompute.h"

#include <cmath>
#include <variant>

#include "engine/installed_state.h"
#include "engine/loading_conditions.h"
#include "engine/loading_table_drawing.h"
#include "engine/results_text.h"
#include "engine/selected_cables.h"
#include "engine/span_cables.h"
#include "engine/span_inputs.h"
#include "engine/temperature_table.h"

namespace cn3 {

void Recompute(Program& program) {
    if (program.worksheetEdited == 0) return;
    program.worksheetEdited = 1;

    // Every stop below leaves every view as it was.
    const auto read = ReadSpanCables(program.cables, SelectedCableNames(program.main));
    if (const auto* unknown = std::get_if<UnknownCable>(&read)) {
        program.dialogs->message("Error - Unknown Cable " + unknown->name);
        return;
    }
    SpanSolution solution;
    solution.cables = std::get<SpanCables>(read);
    // The selection rules let no such selection through; never read the heading row.
    if (solution.cables.count == 0 || solution.cables.supportRow == 0) return;
    solution.support = ReadSupportCable(program.cables, solution.cables.supportRow);
    solution.inputs = ReadSpanInputs(program);
    if (solution.inputs.span == 0.0f || solution.inputs.sag == 0.0f) return;
    const float EA = solution.support.stiffness;
    if (EA == 0.0f || std::isnan(EA)) {
        program.dialogs->message("Error - Axial stiffness of " + solution.support.name + " is 0");
        return;
    }

    solution.installed =
        SolveInstalled(solution.inputs, solution.cables.totalWeight, solution.support);
    program.main.Label4.setCaption(ResultsText(program.units, solution));
    FillTemperatureTable(program, solution);
    const float bundleDiameter = OverallDiameter(program);
    ComputeLoadingConditions(program, solution, bundleDiameter);
    WriteClearanceHeading(program);
    CopyLoadingWindowNumbers(program);
    DrawLoadingTable(program, program.main.Picture3.surface(), kScreenTable);
    program.main.Picture3.refresh();
}

}  // namespace cn3
