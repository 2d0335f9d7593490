#include "batch/batch_dialogs.h"

#include <utility>

namespace cn3::batch {

namespace {

// "Failure\r\nCorrect error and re-run command." -> "Failure Correct error and re-run command."
std::string OneLine(std::string_view text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
            continue;
        }
        line += c;
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

}  // namespace

void MessageLog::message(std::string_view text) {
    said_.push_back(OneLine(text));
}

bool MessageLog::askYesNo(std::string_view text) {
    // A question nobody answers is said, so that the run counts as not clean.
    said_.push_back(OneLine(text));
    return false;
}

std::vector<std::string> MessageLog::take() {
    return std::exchange(said_, {});
}

}  // namespace cn3::batch
