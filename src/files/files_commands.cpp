#include "files/files_commands.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
#include "files/worksheet_state.h"
#include "selection/user_cables_saving.h"

namespace cn3 {

namespace {

constexpr std::string_view kTrapEnd = "\r\nCorrect error and re-run command.";

ui::FileDialogRequest DialogRequest(const Program& program) {
    const FileDialogState& d = program.main.CommonDialog1;
    return {d.startFolder, d.filter, d.fileName};
}

// Shows the save dialog and saves under the chosen name; nothing when it is cancelled.
std::optional<std::string> SaveUnderDialogName(Program& program) {
    const auto chosen = program.dialogs->saveFile(DialogRequest(program));
    if (!chosen) return std::nullopt;
    const SpanFileOutcome outcome = SaveUnderChosenName(program, *chosen);
    if (outcome.failed()) return outcome.failure;
    return std::nullopt;
}

bool IsUntitled(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return name.find("UNTITLED") != std::string::npos;
}

std::optional<std::string> Failure(const SpanFileOutcome& outcome) {
    if (outcome.failed()) return outcome.failure;
    return std::nullopt;
}

// "Save": an untitled worksheet asks for a name first. Nothing when it was saved or the
// dialog was cancelled (`saved` tells which); otherwise the failure.
std::optional<std::string> SaveCommand(Program& program, bool& saved) {
    saved = false;
    if (IsUntitled(program.main.CommonDialog1.fileName)) {
        const auto chosen = program.dialogs->saveFile(DialogRequest(program));
        if (!chosen) return std::nullopt;
        const SpanFileOutcome outcome = SaveUnderChosenName(program, *chosen);
        saved = !outcome.failed();
        return Failure(outcome);
    }
    const SpanFileOutcome outcome = SpanFileAction(program, span_file::kSave);
    saved = !outcome.failed();
    return Failure(outcome);
}

// Before "Open" or "New" replaces a worksheet that differs from its file: the save question
// with Yes, No and Cancel. Yes saves as "Save" does. False, with the failure to say if any,
// when the command must stop: Cancel, a cancelled save dialog or a failed save.
bool MayReplaceWorksheet(Program& program, std::optional<std::string>& failure) {
    return !WorksheetDiffers(program) ||
           ui::AskToSaveFirst(*program.dialogs, kSaveQuestion, [&] {
               bool saved = false;
               failure = SaveCommand(program, saved);
               return saved;
           });
}

// Shows a span file's record as "Open" does; the worksheet then holds what its file holds.
void ShowOpenedFile(Program& program, const std::string& path, const SpanRecord& record) {
    SetCurrentFileName(program, path);
    RestoreSpanRecord(program, record, RestoreMode::Open);
    NoteWorksheetUnchanged(program);
    program.onSpanFileUsed(path);
}

// "Open": Open, Open Recent and a dropped file all come here, so that each asks the save
// question before a worksheet is replaced. A file that cannot be opened replaces nothing, so
// nothing is asked for it.
std::optional<std::string> Open(Program& program, std::optional<std::string> chosen) {
    if (!chosen) chosen = program.dialogs->openFile(DialogRequest(program));
    if (!chosen) return std::nullopt;
    auto read = ReadSpanFile(*chosen);
    if (!read) {
        program.dialogs->message("Error - " + read.error().text());
        return std::nullopt;
    }
    std::optional<std::string> failure;
    if (MayReplaceWorksheet(program, failure)) ShowOpenedFile(program, *chosen, read.value());
    return failure;
}

}  // namespace

void RunUnderErrorTrap(Program& program,
                       const std::function<std::optional<std::string>()>& command) {
    std::optional<std::string> failure;
    try {
        failure = command();
    } catch (const std::exception& e) {
        failure = e.what();
    }
    if (failure) program.dialogs->message(*failure + std::string(kTrapEnd));
}

bool OpenSpanFile(Program& program, const std::string& path) {
    auto read = ReadSpanFile(path);
    if (!read) {
        program.dialogs->message("Error - " + read.error().text());
        return false;
    }
    ShowOpenedFile(program, path, read.value());
    return true;
}

void OpenChosenSpanFile(Program& program, const std::string& path) {
    RunUnderErrorTrap(program, [&] { return Open(program, path); });
}

void Command6_Click(Program& program, int index) {
    RunUnderErrorTrap(program, [&]() -> std::optional<std::string> {
        switch (index) {
            case files_button::kOpen:
                return Open(program, std::nullopt);
            case files_button::kSave: {
                bool saved = false;
                return SaveCommand(program, saved);
            }
            case files_button::kSaveAs:
                return SaveUnderDialogName(program);
            default:
                return std::nullopt;
        }
    });
}

void NewCommand(Program& program) {
    RunUnderErrorTrap(program, [&]() -> std::optional<std::string> {
        std::optional<std::string> failure;
        if (!MayReplaceWorksheet(program, failure)) return failure;
        SpanFileAction(program, span_file::kReset);
        NoteWorksheetUnchanged(program);
        return std::nullopt;
    });
}

bool ConfirmExit(Program& program) {
    if (program.editingMode()) {
        // "Close" saves the user-defined cables; a panel still open after it did not save.
        program.main.Command4.click();
        if (program.editingMode()) return false;
    }
    for (const auto& question : program.exitQuestions)
        if (!question()) return false;
    const SpanFileOutcome outcome = SpanFileAction(program, span_file::kAskSave);
    if (outcome.failed()) program.dialogs->message(outcome.failure + std::string(kTrapEnd));
    return outcome.done;
}

}  // namespace cn3
