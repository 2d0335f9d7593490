// The dialogs of a run without a window: every message box text is kept, in order, for the
// caller to write out; nothing waits for an answer. Questions are answered No, input boxes
// and file dialogs are cancelled.
#pragma once

#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace cn3::batch {

class MessageLog : public ui::Dialogs {
  public:
    void message(std::string_view text) override;
    bool askYesNo(std::string_view text) override;
    std::string input(std::string_view, std::string_view, std::string_view) override { return {}; }
    std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }

    // The texts said since the last take, each on one line (a line break becomes a blank).
    std::vector<std::string> take();

  private:
    std::vector<std::string> said_;
};

}  // namespace cn3::batch
