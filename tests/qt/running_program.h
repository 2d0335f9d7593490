// The real main window, started offscreen from a temporary data folder with the shipped
// catalogue, and shown.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/start_up.h"
#include "qt/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

inline void Settle() { for (int i = 0; i < 3; ++i) QApplication::processEvents(); }

struct RunningProgram {
    TempFolder folder;
    ScriptedDialogs dialogs;
    std::unique_ptr<Program> program = std::make_unique<Program>();
    std::unique_ptr<qt::MainWindow> window;

    // Without `settings` the shipped settings file is used, and its first-run question is
    // answered with English units.
    explicit RunningProgram(const char* settings = "English\r\n2\r\n") {
        folder.copyShipped("CABLEDAT.TXT");
        if (settings) folder.write("CN3NESC.TXT", settings);
        if (!settings) folder.copyShipped("CN3NESC.TXT");
        if (!settings) dialogs.answerYesNo(true);
        program->dialogs = &dialogs;
        program->dataFolder = folder.path().string();
        window = std::make_unique<qt::MainWindow>(*program);
        EXPECT_TRUE(StartProgram(*program));
        window->show();
        Settle();
    }

    // Clicks the catalogue's first strand, so the other pages may be opened.
    void selectStrand() {
        int row = 1;
        while (program->cables.rows[static_cast<size_t>(row)][field::kKindCode] != "0") ++row;
        program->main.Grid1.click(row, 0);
    }
};

}  // namespace cn3::test
