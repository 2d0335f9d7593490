#include "files/crash_recovery.h"

#include "files/undo_history.h"

#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "files/worksheet_state.h"

namespace cn3 {

std::string RecoveryFilePath(const std::string& dataFolder, long pid) {
    return RecoveryFilePath(dataFolder, pid, kWorksheetRecoverySuffix);
}

void KeepRecoveryFile(Program& program, long pid) {
    program.recovery.path = RecoveryFilePath(program.dataFolder, pid);
}

void DiscardRecoveryFile(Program& program) {
    RemoveRecoveryFile(program.recovery);
}

void KeepWorksheet(Program& program, std::chrono::steady_clock::time_point now) {
    const std::string bytes = CapturedBytes(program);
    const bool differs = bytes.empty() || bytes != program.savedRecord;
    ShowFileState(program, differs);
    if (program.recovery.path.empty()) return;
    if (!differs) return DiscardRecoveryFile(program);
    if (bytes.empty()) return;  // nothing a span record could hold; the last one written stays
    WriteRecoveryFile(program.recovery, bytes + program.main.CommonDialog1.fileName, now);
}

bool OfferRecovery(Program& program, const std::function<bool(long)>& running) {
    const auto restore = [&](const std::string& path, const std::string& content) {
        if (content.size() < kSpanRecordSize) return false;  // not a record: nothing to offer
        if (!program.dialogs->askYesNo("Catenova did not close normally. Restore the worksheet "
                                       "you had not saved (" +
                                       RecoveryFileDate(path) + ")?"))
            return false;
        const SpanRecord record = UnpackSpanRecord(std::string_view(content).substr(0, kSpanRecordSize));
        const std::string name = content.substr(kSpanRecordSize);
        program.worksheetEdited = 1;  // the exit question asks about it; its results are shown
        if (!name.empty()) SetCurrentFileName(program, name);
        RestoreSpanRecord(program, record, RestoreMode::Open);
        program.savedRecord.clear();  // differs from its file whatever it holds
        StartUndoHistory(program);
        ShowFileState(program);
        return true;
    };
    return OfferLeftRecoveryFiles(program.dataFolder, kWorksheetRecoverySuffix, program.recovery,
                                  running, restore);
}

}  // namespace cn3
