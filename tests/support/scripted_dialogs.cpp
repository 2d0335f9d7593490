#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace cn3::test {

namespace {
const char* kindName(ScriptedDialogs::Kind k) {
    static const char* names[] = {"message box", "Yes/No question", "input box", "open-file dialog",
                                  "save-file dialog", "Yes/No/Cancel question"};
    return names[static_cast<int>(k)];
}
}  // namespace

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never asked for, first a "
                                  << kindName(answers_.front().kind);
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& a : asked_)
        if (a.kind == Kind::Message) out.push_back(a.text);
    return out;
}

ui::Answer ScriptedDialogs::askYesNoCancel(std::string_view text) {
    // A Yes/No answer scripted for the question is taken as Yes or No.
    if (!answers_.empty() && answers_.front().kind == Kind::YesNo)
        return take({Kind::YesNo, std::string(text)}).value_or("") == "y" ? ui::Answer::Yes
                                                                          : ui::Answer::No;
    const std::string a = take({Kind::YesNoCancel, std::string(text)}).value_or("c");
    return a == "y" ? ui::Answer::Yes : a == "n" ? ui::Answer::No : ui::Answer::Cancel;
}

std::optional<std::string> ScriptedDialogs::take(const Asked& asked) {
    asked_.push_back(asked);
    if (answers_.empty() || answers_.front().kind != asked.kind) {
        ADD_FAILURE() << "unexpected " << kindName(asked.kind) << ": \"" << asked.text << "\""
                      << (answers_.empty() ? "" : std::string(" (expected a ") +
                                                      kindName(answers_.front().kind) + ")");
        return std::nullopt;
    }
    Answer a = answers_.front();
    answers_.pop_front();
    if (!a.given) return std::nullopt;
    return a.text;
}

}  // namespace cn3::test
