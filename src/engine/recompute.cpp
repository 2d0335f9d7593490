#include "engine/recompute.h"

#include <variant>

#include "engine/loading_conditions.h"
#include "engine/loading_table_drawing.h"
#include "engine/results_text.h"
#include "engine/selected_cables.h"
#include "engine/solve_worksheet.h"
#include "engine/temperature_table.h"

namespace cn3 {

void Recompute(Program& program) {
    if (program.worksheetEdited == 0) return;
    program.worksheetEdited = 1;

    // Every stop leaves every view as it was; two of them say why.
    const auto solved = SolveWorksheet(program);
    const auto* stop = std::get_if<SolveStopped>(&solved);
    // A carrier without stiffness is said once for a selection, not on every keystroke.
    auto selection = SelectedCableNames(program.main);
    const bool toldAlready = program.stiffnessToldFor == selection;
    program.stiffnessToldFor.clear();
    if (stop) {
        if (stop->reason == SolveStop::UnknownCable)
            program.dialogs->message("Error - Unknown Cable " + stop->name);
        if (stop->reason == SolveStop::NoStiffness) {
            if (!toldAlready)
                program.dialogs->message("Error - Axial stiffness of " + stop->name + " is 0");
            program.stiffnessToldFor = std::move(selection);
        }
        return;
    }
    const auto& solution = std::get<SpanSolution>(solved);
    program.main.Label4.setCaption(ResultsText(program.units, solution));
    FillTemperatureTable(program, solution);
    WriteLoadingResults(program, solution);
    WriteClearanceHeading(program);
    DrawLoadingTable(program, program.main.Picture3.surface(), kScreenTable);
    program.main.Picture3.refresh();
}

}  // namespace cn3
