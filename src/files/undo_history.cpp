#include "files/undo_history.h"

#include "files/span_file.h"
#include "files/span_file_action.h"
#include "files/worksheet_state.h"

namespace cn3 {

namespace {

// Long enough for an afternoon's edits; a step is 940 bytes.
constexpr std::size_t kMostSteps = 500;

void ShowStep(Program& program) {
    auto& undo = program.undo;
    RestoreSpanRecord(program, UnpackSpanRecord(undo.steps[undo.at]), RestoreMode::Quiet);
    program.worksheetEdited = 1;
    // What the restore shows is the step from now on: a restore that tidies a text (blanks at
    // its end) must not count as a new edit and drop the steps ahead.
    if (auto shown = CapturedBytes(program); !shown.empty()) undo.steps[undo.at] = std::move(shown);
    ShowFileState(program);
}

}  // namespace

void StartUndoHistory(Program& program) {
    auto& undo = program.undo;
    undo.steps.clear();
    undo.at = 0;
    if (auto now = CapturedBytes(program); !now.empty()) undo.steps.push_back(std::move(now));
}

void NoteEditFinished(Program& program) {
    auto& undo = program.undo;
    std::string now = CapturedBytes(program);
    if (now.empty()) return;  // nothing a record could hold (too many cables): no step
    if (undo.steps.empty()) {
        undo.steps.push_back(std::move(now));
        undo.at = 0;
        return;
    }
    if (now == undo.steps[undo.at]) return;
    undo.steps.resize(undo.at + 1);
    undo.steps.push_back(std::move(now));
    if (undo.steps.size() > kMostSteps) undo.steps.erase(undo.steps.begin());
    undo.at = undo.steps.size() - 1;
}

bool CanUndo(const Program& program) {
    const auto& undo = program.undo;
    return undo.at > 0 || (!undo.steps.empty() && CapturedBytes(program) != undo.steps[undo.at]);
}

bool CanRedo(const Program& program) {
    return program.undo.at + 1 < program.undo.steps.size();
}

void UndoEdit(Program& program) {
    NoteEditFinished(program);
    if (program.undo.at == 0) return;
    --program.undo.at;
    ShowStep(program);
}

void RedoEdit(Program& program) {
    NoteEditFinished(program);
    if (!CanRedo(program)) return;
    ++program.undo.at;
    ShowStep(program);
}

}  // namespace cn3
