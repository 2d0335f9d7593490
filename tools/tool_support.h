// What the developer tools share: dialogs that answer every question the same way and print
// the messages, and a click on a catalogue cable as a designer makes it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "forms/program.h"
#include "ui/dialogs.h"

namespace cn3::tools {

// The offscreen platform with one screen of 1920 x 1080, set before the application exists:
// the platform's own 800 x 600 is smaller than the window's smallest size, where the window
// would make its pages scroll.
inline void UseWideOffscreenScreen() {
    const std::string config = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") +
                               "/cn3-tools-screen.json";
    if (std::FILE* f = std::fopen(config.c_str(), "w")) {
        std::fputs(R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1920, "height": 1080,)"
                   R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})",
                   f);
        std::fclose(f);
    }
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
}

class ToolDialogs : public ui::Dialogs {
  public:
    // The first-run units question is answered with English units, or metric.
    explicit ToolDialogs(bool english = true) : english_(english) {}
    void message(std::string_view text) override {
        std::fprintf(stderr, "message: %.*s\n", int(text.size()), text.data());
    }
    bool askYesNo(std::string_view) override { return english_; }
    std::string input(std::string_view, std::string_view, std::string_view d) override {
        return std::string(d);
    }
    std::optional<std::string> openFile(const ui::FileDialogRequest&) override { return {}; }
    std::optional<std::string> saveFile(const ui::FileDialogRequest&) override { return {}; }

  private:
    bool english_;
};

// Lists the family tab and clicks the cable's name in the catalogue grid; false (and said)
// when the cable is not listed there.
inline bool ClickCable(Program& program, int familyTab, const std::string& name) {
    program.main.SSTab2.setTab(familyTab);
    const ui::Grid& grid = program.main.Grid1;
    for (int r = 1; r < grid.rows(); ++r)
        if (grid.text(r, 0) == name) {
            program.main.Grid1.click(r, 0);
            return true;
        }
    std::fprintf(stderr, "not listed: %s\n", name.c_str());
    return false;
}

}  // namespace cn3::tools
