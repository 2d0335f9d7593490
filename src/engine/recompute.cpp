#include "engine/recompute.h"

#include <variant>

#include "engine/entry_notes.h"
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

namespace {

void RecomputeWorksheet(Program& program) {
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
        // worksheet that has shown no results yet needs no such word. A stop with a note of
        // its own, and the entries read in part, are said either way.
        std::vector<std::string> notes = {StopNote(*stop)};
        if (!program.main.Label4.caption().empty()) {
            program.main.StatusMessage.setCaption(StaleResultsText(*stop));
            if (notes.front().empty()) notes.front() = program.main.StatusMessage.caption();
        }
        const auto reading = EntryReadingNotes(program);
        notes.insert(notes.end(), reading.begin(), reading.end());
        program.main.ResultsNote.setCaption(JoinNotes(notes));
        return;
    }
    program.stopToldFor.clear();
    const auto& solution = std::get<SpanSolution>(solved);
    program.main.StatusMessage.setCaption("");
    std::vector<std::string> notes = RangeNotes(program.units, solution);
    if (solution.inputs.sag <= 0.5f * solution.inputs.span)
        notes.insert(notes.begin(), ResultsAccuracyNote(solution));
    const auto reading = EntryReadingNotes(program);
    notes.insert(notes.end(), reading.begin(), reading.end());
    program.main.ResultsNote.setCaption(JoinNotes(notes));
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

}  // namespace

void Recompute(Program& program) {
    if (program.worksheetEdited == 0) return;
    program.worksheetEdited = 1;
    RecomputeWorksheet(program);
    program.onRecomputed();
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
