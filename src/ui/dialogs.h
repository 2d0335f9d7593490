// The dialogs the program asks through. Each is a call that takes what the box shows and
// hands back the answer; the Qt view implements them with message boxes and file dialogs,
// tests with a scripted queue.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace cn3::ui {

struct FileDialogRequest {
    std::string startFolder;
    std::string filter;    // "Description (*.ext)|*.ext"
    std::string fileName;  // the current file name, shown as the proposal
};

// The answer to a Yes/No/Cancel question.
enum class Answer { Yes, No, Cancel };

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // A message box with an OK button.
    virtual void message(std::string_view text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool askYesNo(std::string_view text) = 0;
    // A Yes/No/Cancel question. Escape and closing the box answer Cancel. Dialogs that cannot
    // offer Cancel answer it as their Yes/No question.
    virtual Answer askYesNoCancel(std::string_view text) {
        return askYesNo(text) ? Answer::Yes : Answer::No;
    }
    // An input box; cancelling gives the empty text.
    virtual std::string input(std::string_view prompt, std::string_view title,
                              std::string_view defaultAnswer) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
};

// The save question asked before unsaved work is replaced or left: No lets it go (true),
// Cancel keeps it (false), Yes goes on only when `save` saves it.
inline bool AskToSaveFirst(Dialogs& dialogs, std::string_view question,
                           const std::function<bool()>& save) {
    switch (dialogs.askYesNoCancel(question)) {
        case Answer::No:
            return true;
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            break;
    }
    return save();
}

// Dialogs for a program that has no one to ask (a benchmark, a batch run before its own
// dialogs are set): messages go nowhere, questions are answered No, inputs and file dialogs
// are cancelled.
class NoDialogs : public Dialogs {
  public:
    static NoDialogs& instance() {
        static NoDialogs none;
        return none;
    }
    void message(std::string_view) override {}
    bool askYesNo(std::string_view) override { return false; }
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const FileDialogRequest&) override { return {}; }
};

}  // namespace cn3::ui
