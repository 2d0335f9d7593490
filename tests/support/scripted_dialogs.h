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
    enum class Kind { Message, YesNo, Input, OpenFile, SaveFile };

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
    ScriptedDialogs& expectMessage();
    ScriptedDialogs& answerYesNo(bool yes);
    ScriptedDialogs& answerInput(std::string answer);
    ScriptedDialogs& answerOpen(std::optional<std::string> path);
    ScriptedDialogs& answerSave(std::optional<std::string> path);

    const std::vector<Asked>& asked() const { return asked_; }
    // The texts of the message boxes shown so far.
    std::vector<std::string> messages() const;
    bool allAnswered() const { return answers_.empty(); }

    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    std::string input(std::string_view prompt, std::string_view title,
                      std::string_view defaultAnswer) override;
    std::optional<std::string> openFile(const ui::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const ui::FileDialogRequest& request) override;

private:
    struct Answer {
        Kind kind = Kind::Message;
        bool yes = false;
        std::string text{};
        bool cancelled = false;  // a file dialog closed without a choice
    };
    Answer take(Kind kind, const Asked& asked);

    std::deque<Answer> answers_;
    std::vector<Asked> asked_;
};

}  // namespace cn3::test
