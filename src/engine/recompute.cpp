#include "engine/recompute.h"

#include <variant>

#include "engine/loading_conditions.h"
#include "engine/loading_table_drawing.h"
#include "engine/results_notes.h"
#include "engine/results_text.h"
#include "engine/selected_cables.h"
#include "engine/solve_worksheet.h"
#include "engine/span_charts.h"
#include "engine/temperature_table.h"
#include "engine/usable_load_check.h"

namespace cn3 {

void Recompute(Program& program) {
    if (program.worksheetEdited == 0) return;
    program.worksheetEdited = 1;

    // Every stop leaves every view as it was; two of them also say why in a message box.
    const auto solved = SolveWorksheet(program);
    if (const auto* stop = std::get_if<SolveStopped>(&solved)) {
        std::string message;
        if (stop->reason == SolveStop::UnknownCable)
            message = "Error - Unknown Cable " + stop->name;
        if (stop->reason == SolveStop::NoStiffness)
            message = "Error - Axial stiffness of " + stop->name + " is 0";
        const std::string told = program.stopToldFor;
        program.stopToldFor.clear();
        if (!message.empty()) {
            NoteStopMessageSaid(program, message);
            if (program.stopToldFor != told) program.dialogs->message(message);
        }
        // The results that stay in view are for other entries, and the window says so; a
        // worksheet that has shown no results yet needs no such word.
        if (!program.main.Label4.caption().empty()) {
            program.main.StatusMessage.setCaption(StaleResultsText(*stop));
            program.main.ResultsNote.setCaption(program.main.StatusMessage.caption());
        }
        return;
    }
    program.stopToldFor.clear();
    const auto& solution = std::get<SpanSolution>(solved);
    program.main.StatusMessage.setCaption("");
    program.main.ResultsNote.setCaption(ResultsAccuracyNote(solution));
    program.main.Label4.setCaption(ResultsText(program.units, solution));
    FillTemperatureTable(program, solution);
    WriteLoadingResults(program, solution);
    WriteClearanceHeading(program);
    const auto rows = DrawLoadingTable(program, program.main.Picture3.surface(), kScreenTable);
    MarkOverloadedTensions(CheckUsableLoad(program, solution), rows,
                           program.main.Picture3.surface(), kScreenTable);
    program.main.Picture3.refresh();
    ShowSolutionCharts(program, solution);
}

void NoteStopMessageSaid(Program& program, const std::string& message) {
    std::string key = message;
    for (const auto& name : SelectedCableNames(program.main)) {
        key += '\t';
        key += name;
    }
    program.stopToldFor = std::move(key);
}

}  // namespace cn3
