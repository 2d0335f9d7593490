// A started program with the shipped catalogue and scripted dialogs, and what a designer sees
// of its worksheet.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "files/files_commands.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace cn3::test {

struct Worksheet {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Program program;
    MainForm& main = program.main;

    explicit Worksheet(const char* settings = "English\r\n2\r\n") {
        folder.copyShipped("CABLEDAT.TXT");
        folder.write("CN3NESC.TXT", settings);
        program.dialogs = &dialogs;
        program.dataFolder = folder.path().string();
        EXPECT_TRUE(StartProgram(program));
    }

    void select(int familyTab, const std::string& name) {
        main.SSTab2.setTab(familyTab);
        for (int r = 1; r < main.Grid1.rows(); ++r)
            if (main.Grid1.text(r, 0) == name) return main.Grid1.click(r, 0);
        ADD_FAILURE() << name << " is not listed";
    }

    // A worksheet touched on every page.
    void fill() {
        main.Text1.setText("Main Street");
        main.Text3.setText("P12-P13");
        main.Text4.setText("Crossing the creek");
        select(family::kStrand, "1/4 EHS 6M");
        select(family::kK5, "P 500");
        select(family::kK5, "C 875");
        main.HScroll1.setValue(75);
        main.Option1.select(0);
        main.Text9[0].setText("180");
        main.Text9[1].setText("2.5");
        main.Check2.setChecked(true);
        main.Text9[3].setText("18");
        main.Check1[0].setChecked(true);
        main.Check1[1].setChecked(true);
        program.loading.Check1[0].setChecked(true);
    }

    void command(int button) { Command6_Click(program, button); }

    // Everything a designer sees of the worksheet. A span file fills texts with blanks to
    // their fields' widths (the loading window's cells hold 8 characters), which shows as
    // nothing; they are compared without them.
    std::vector<std::string> screen() const {
        std::vector<std::string> s = {main.Text1.text(),
                                      main.Text2.text(),
                                      main.Text3.text(),
                                      main.Text4.text(),
                                      std::to_string(main.HScroll1.value()),
                                      std::to_string(main.Option1.selected()),
                                      main.Label4.caption()};
        for (const auto& t : main.Text9) s.push_back(t.text());
        const std::array<const ui::CheckBox*, 5> boxes = {
            &main.Check2, &main.Check1[0], &main.Check1[1], &program.loading.Check1[0],
            &program.loading.Check1[1]};
        for (const ui::CheckBox* c : boxes) s.push_back(c->checked() ? "ticked" : "clear");
        for (const auto& c : program.loading.Cells) s.push_back(c.caption().substr(0, 8));
        for (const ui::Grid* g : {&main.Grid2, &main.GridTemp})
            for (int r = 0; r < g->rows(); ++r)
                for (int c = 0; c < g->cols(); ++c) s.push_back(g->text(r, c));
        // Opening numbers the cables with a leading blank (" 1"), choosing them without ("1").
        for (auto& text : s) text.erase(0, text.find_first_not_of(' ') == 1 ? 1 : 0);
        for (auto& text : s) text.erase(text.find_last_not_of(' ') + 1);
        return s;
    }
};

}  // namespace cn3::test
