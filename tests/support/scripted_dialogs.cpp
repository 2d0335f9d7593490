#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace cn3::test {

namespace {
const char* kindName(ScriptedDialogs::Kind k) {
    switch (k) {
        case ScriptedDialogs::Kind::Message: return "message box";
        case ScriptedDialogs::Kind::YesNo: return "Yes/No question";
        case ScriptedDialogs::Kind::Input: return "input box";
        case ScriptedDialogs::Kind::OpenFile: return "open-file dialog";
        case ScriptedDialogs::Kind::SaveFile: return "save-file dialog";
    }
    return "?";
}
}  // namespace

ScriptedDialogs::~ScriptedDialogs() {
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " scripted answer(s) never asked for, first a "
                                  << kindName(answers_.front().kind);
}

ScriptedDialogs& ScriptedDialogs::expectMessage() {
    answers_.push_back({Kind::Message});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::answerYesNo(bool yes) {
    answers_.push_back({Kind::YesNo, yes});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::answerInput(std::string answer) {
    answers_.push_back({Kind::Input, false, std::move(answer), false});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::answerOpen(std::optional<std::string> path) {
    answers_.push_back({Kind::OpenFile, false, path.value_or(""), !path});
    return *this;
}
ScriptedDialogs& ScriptedDialogs::answerSave(std::optional<std::string> path) {
    answers_.push_back({Kind::SaveFile, false, path.value_or(""), !path});
    return *this;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& a : asked_)
        if (a.kind == Kind::Message) out.push_back(a.text);
    return out;
}

ScriptedDialogs::Answer ScriptedDialogs::take(Kind kind, const Asked& asked) {
    asked_.push_back(asked);
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected " << kindName(kind) << ": \"" << asked.text << "\"";
        return {kind, false, {}, true};
    }
    Answer a = answers_.front();
    answers_.pop_front();
    if (a.kind != kind) {
        ADD_FAILURE() << "expected a " << kindName(a.kind) << " but got a " << kindName(kind)
                      << ": \"" << asked.text << "\"";
        return {kind, false, {}, true};
    }
    return a;
}

void ScriptedDialogs::message(std::string_view text) {
    take(Kind::Message, {Kind::Message, std::string(text)});
}

bool ScriptedDialogs::askYesNo(std::string_view text) {
    return take(Kind::YesNo, {Kind::YesNo, std::string(text)}).yes;
}

std::string ScriptedDialogs::input(std::string_view prompt, std::string_view title,
                                   std::string_view defaultAnswer) {
    Asked asked{Kind::Input, std::string(prompt), std::string(title), std::string(defaultAnswer)};
    return take(Kind::Input, asked).text;
}

std::optional<std::string> ScriptedDialogs::openFile(const ui::FileDialogRequest& request) {
    Asked asked{Kind::OpenFile};
    asked.file = request;
    Answer a = take(Kind::OpenFile, asked);
    if (a.cancelled) return std::nullopt;
    return a.text;
}

std::optional<std::string> ScriptedDialogs::saveFile(const ui::FileDialogRequest& request) {
    Asked asked{Kind::SaveFile};
    asked.file = request;
    Answer a = take(Kind::SaveFile, asked);
    if (a.cancelled) return std::nullopt;
    return a.text;
}

}  // namespace cn3::test
