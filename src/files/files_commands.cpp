#include "files/files_commands.h"

#include <algorithm>
#include <cctype>
#include <exception>

#include "files/new_worksheet.h"
#include "files/span_file.h"
#include "files/span_file_action.h"
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
    SetCurrentFileName(program, path);
    RestoreSpanRecord(program, read.value(), RestoreMode::Open);
    return true;
}

void Command6_Click(Program& program, int index) {
    RunUnderErrorTrap(program, [&]() -> std::optional<std::string> {
        switch (index) {
            case files_button::kOpen: {
                const auto chosen = program.dialogs->openFile(DialogRequest(program));
                if (chosen) OpenSpanFile(program, *chosen);
                return std::nullopt;
            }
            case files_button::kSave:
                if (IsUntitled(program.main.CommonDialog1.fileName))
                    return SaveUnderDialogName(program);
                return Failure(SpanFileAction(program, span_file::kSave));
            case files_button::kSaveAs:
                return SaveUnderDialogName(program);
            default:
                return std::nullopt;
        }
    });
}

bool ConfirmExit(Program& program) {
    if (program.editingMode()) {
        // "Close" saves the user-defined cables; a panel still open after it did not save.
        program.main.Command4.click();
        if (program.editingMode()) return false;
    }
    const SpanFileOutcome outcome = SpanFileAction(program, span_file::kAskSave);
    if (outcome.failed()) program.dialogs->message(outcome.failure + std::string(kTrapEnd));
    return outcome.done;
}

}  // namespace cn3
