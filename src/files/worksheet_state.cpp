#include "files/worksheet_state.h"

#include "files/new_worksheet.h"
#include "files/undo_history.h"

#include "files/crash_recovery.h"
#include "files/span_file.h"
#include "files/span_file_action.h"

namespace cn3 {

std::string CapturedBytes(const Program& program) {
    const SpanCapture captured = CaptureSpanRecord(program);
    return captured.record ? PackSpanRecord(*captured.record) : std::string();
}

bool WorksheetDiffers(const Program& program) {
    const std::string bytes = CapturedBytes(program);
    return bytes.empty() || bytes != program.savedRecord;
}

void ShowFileState(Program& program, bool differs) {
    // The untitled default is no file the designer chose: the status bar says so in a word.
    const std::string& path = program.main.CommonDialog1.fileName;
    std::string caption = path == UntitledPath(program) ? "Untitled" : path;
    if (differs) caption += " (modified)";
    program.main.StatusFileName.setCaption(std::move(caption));
}

void ShowFileState(Program& program) {
    ShowFileState(program, WorksheetDiffers(program));
}

void NoteWorksheetSaved(Program& program, std::string writtenBytes) {
    program.savedRecord = std::move(writtenBytes);
    DiscardRecoveryFile(program);
    ShowFileState(program);
}

void NoteWorksheetUnchanged(Program& program) {
    StartUndoHistory(program);
    NoteWorksheetSaved(program, CapturedBytes(program));
}

}  // namespace cn3
