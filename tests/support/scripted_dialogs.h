// Dialogs that answer from a queue written by the test. A dialog the test did not expect, or
// one of another sort than the next answer, fails the test; so does an answer left unused.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace cn3::test {

class ScriptedDialogs : public ui::Dialogs {
public:
    enum class Kind { Message, YesNo, Input, OpenFile, SaveFile, YesNoCancel };

    // What the program asked, in order.
    struct Asked {
        Kind kind = Kind::Message;
        std::string text{};   // message, question or prompt
        std::string title{};  // input box title
        std::string defaultAnswer{};
        ui::FileDialogRequest file{};
    };

    ~ScriptedDialogs() override;

    // Expect a message box (any text); its text is recorded in asked().
    ScriptedDialogs& expectMessage() { return queue(Kind::Message); }
    ScriptedDialogs& answerYesNo(bool yes) { return queue(Kind::YesNo, yes ? "y" : ""); }
    // A Yes/No/Cancel question. A Yes/No answer answers it too, with Yes or No.
    ScriptedDialogs& answerYesNoCancel(ui::Answer answer) {
        return queue(Kind::YesNoCancel, answer == ui::Answer::Yes  ? "y"
                                        : answer == ui::Answer::No ? "n"
                                                                   : "c");
    }
    ScriptedDialogs& answerInput(std::string answer) { return queue(Kind::Input, answer); }
    // A file dialog's choice; nothing means the dialog is cancelled.
    ScriptedDialogs& answerOpen(std::optional<std::string> path) { return queue(Kind::OpenFile, path); }
    ScriptedDialogs& answerSave(std::optional<std::string> path) { return queue(Kind::SaveFile, path); }

    const std::vector<Asked>& asked() const { return asked_; }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
    bool allAnswered() const { return answers_.empty(); }

    void message(std::string_view text) override { take({Kind::Message, std::string(text)}); }
    bool askYesNo(std::string_view text) override {
        return take({Kind::YesNo, std::string(text)}).value_or("") == "y";
    }
    ui::Answer askYesNoCancel(std::string_view text) override;
    std::string input(std::string_view prompt, std::string_view title,
                      std::string_view defaultAnswer) override {
        return take({Kind::Input, std::string(prompt), std::string(title), std::string(defaultAnswer)})
            .value_or("");
    }
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override {
        return take({Kind::OpenFile, "", "", "", request});
    }
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override {
        return take({Kind::SaveFile, "", "", "", request});
    }

private:
    struct Answer {
        Kind kind = Kind::Message;
        std::string text{};
        bool given = true;  // false: a cancelled file dialog
    };
    ScriptedDialogs& queue(Kind kind, std::optional<std::string> text = std::string()) {
        answers_.push_back({kind, text.value_or(""), text.has_value()});
        return *this;
    }
    // Records the question and hands back the next answer, if it is of this kind.
    std::optional<std::string> take(const Asked& asked);

    std::deque<Answer> answers_;
    std::vector<Asked> asked_;
};

}  // namespace cn3::test
