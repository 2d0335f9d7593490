#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(user_cable_editing_test, copy_is_asked_a_name_until_it_has_a_kind_and_is_unused) {
    const auto invalid = [](const std::string& name) {
        return "Error - " + name + " invalid name.  Must start with (C, P, LX, LXF) or contain (VM, M, EHS, HTL).";
    };
    SelectionWorksheet sheet;
    sheet.form.Command1.click();
    sheet.dialogs.answerInput("STRAND 6").expectMessage().answerInput("10M EHS").expectMessage();
    sheet.dialogs.answerInput("TAB\tEHS").expectMessage();  // would split the file's line
    sheet.dialogs.answerInput("MY 6M EHS");
    sheet.clickCatalogue(family::kStrand, "6M EHS");

    EXPECT_EQ(sheet.dialogs.messages(),
              (Names{invalid("STRAND 6"), "Error - 10M EHS previously defined", invalid("TAB\tEHS")}));
    const auto& asked = sheet.dialogs.asked().back();
    EXPECT_EQ(asked.text,
              "Change name to a unique value.\n\rA carrier strand MUST contain EHS in name.\n\r"
              "A drop cable MUST contain VM in name.");
    EXPECT_EQ(asked.title, "Enter User Defined Cable Name");
    EXPECT_EQ(asked.defaultAnswer, "6M EHS");
    // Grouped thousands ("1,520,000") are copied whole.
    EXPECT_EQ(Names(sheet.lastRow().begin(), sheet.lastRow().end()),
              (Names{"MY 6M EHS", "1", "7", "0.250", "0.0000064", "0.121", "1520000", "6650", "", "", "5"}));
    EXPECT_TRUE(sheet.form.Check5[5].visible());
    EXPECT_EQ(sheet.listed(), (Names{"P USER 1", "MY 6M EHS"}));
}

TEST(user_cable_editing_test, cancelled_or_refused_copies_change_nothing) {
    // A name click on the user tab proposes a copy under that name, not a rename.
    for (auto [tab, name] : {std::pair{family::kK5, "C 750"}, {family::kUserDefined, "P USER 1"}}) {
        SelectionWorksheet sheet;
        const CableTable before = sheet.program.cables;
        sheet.form.Command1.click();
        sheet.dialogs.answerInput("");
        sheet.clickCatalogue(tab, name);
        EXPECT_EQ(sheet.dialogs.asked().back().title, "Enter User Defined Cable Name") << name;
        EXPECT_EQ(sheet.program.cables.lastCableRow, before.lastCableRow) << name;
        EXPECT_EQ(sheet.program.cables.rows, before.rows) << name;
    }
    SelectionWorksheet full;
    full.program.cables.lastCableRow = kCableRows - 1;
    full.form.Command1.click();
    full.dialogs.expectMessage();
    full.clickCatalogue(family::kK5, "C 750");
    EXPECT_EQ(full.dialogs.messages(), Names{"Error - No room for more User Defined cables"});
    EXPECT_EQ(full.program.cables.lastCableRow, kCableRows - 1);
}

TEST(user_cable_editing_test, value_edits_store_internal_units_and_del_in_any_case_deletes) {
    struct Case { bool metric; int col; const char* answer; const char* stored; };  // null: gone
    const Case cases[] = {
        {false, 3, "0.45", "0.450"}, {true, 3, "10.16", "0.400"},   {false, 7, "5,000", "5000"},
        {true, 7, "22,241", "5000"}, {false, 5, "DELETE", "0.000"}, {false, 2, "del", nullptr},
        {false, 6, "Del", nullptr},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet(true, c.metric);
        sheet.form.Command1.click();
        sheet.dialogs.answerInput(c.answer);
        sheet.clickCatalogue(family::kUserDefined, "P USER 1", c.col);
        EXPECT_EQ(sheet.dialogs.asked().back().text, "Enter new value.\n\rEnter DEL to delete entire line.");
        if (c.stored) {
            EXPECT_EQ(sheet.lastRow()[static_cast<size_t>(c.col)], c.stored) << c.answer;
            EXPECT_EQ(sheet.form.Grid1.text(1, c.col), c.answer);
        } else {
            EXPECT_EQ(sheet.listed(), Names{"None"}) << c.answer;
        }
    }
}

TEST(user_cable_editing_test, deleting_never_touches_a_catalogue_cable_of_the_same_name) {
    SelectionWorksheet sheet;
    CableTable& table = sheet.program.cables;
    const int sep = table.userSeparatorRow;
    table.rows[static_cast<size_t>(sep + 2)] = {"6M EHS", "1", "0", "0.3"};  // from a user file
    table.rows[static_cast<size_t>(sep + 3)] = {"P USER 3", "1", "0", "0.2"};
    table.lastCableRow = static_cast<std::int16_t>(sep + 3);
    AssignKindCodes(table);
    sheet.form.Command1.click();
    sheet.dialogs.answerInput("DEL");
    sheet.clickCatalogue(family::kUserDefined, "6M EHS", 3);
    EXPECT_EQ(table.rows[2][field::kName], "6M EHS");
    EXPECT_EQ(sheet.listed(), (Names{"P USER 1", "P USER 3"}));
}

TEST(user_cable_editing_test, close_writes_the_file_byte_for_byte_and_restores_the_page) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.form;
    form.Command1.click();
    sheet.dialogs.answerInput("MY 6M EHS").answerInput("0.45");
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kUserDefined, "P USER 1", 3);
    form.SSTab2.setTab(family::kStrand);
    form.Command4.click();
    EXPECT_EQ(sheet.folder.read("CABLEADD.TXT"),
              "P USER 1\t1\t0\t0.450\t0.0000070\t0.100\t\t\t\r\n"
              "MY 6M EHS\t1\t7\t0.250\t0.0000064\t0.121\t1520000\t6650\t\r\n");
    EXPECT_FALSE(sheet.program.editingMode());
    EXPECT_TRUE(form.Grid2.visible() && form.Text5.visible() && form.Label2[5].visible() &&
                form.Command3.visible() && form.Text9[4].visible());
}

TEST(user_cable_editing_test, no_user_cable_left_removes_the_file_and_the_print_box) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.form;
    sheet.folder.write("CABLEADD.TXT", "P USER 1\t1\t0\t0.400\t\t\t\t\t\r\n");
    form.Check5[5].setChecked(true);
    form.Command1.click();
    sheet.dialogs.answerInput("del");
    sheet.clickCatalogue(family::kUserDefined, "P USER 1", 1);
    form.Command4.click();
    EXPECT_FALSE(sheet.folder.exists("CABLEADD.TXT"));
    EXPECT_FALSE(form.Check5[5].visible());
    EXPECT_FALSE(form.Check5[5].checked());
}

TEST(user_cable_editing_test, a_file_that_cannot_be_written_is_reported) {
    SelectionWorksheet sheet;
    sheet.program.dataFolder = sheet.folder.file("missing folder");
    sheet.form.Command1.click();
    sheet.dialogs.expectMessage();
    sheet.form.Command4.click();
    EXPECT_EQ(sheet.dialogs.messages().at(0).rfind("Error - CABLEADD.TXT could not be written", 0), 0u);
}

}  // namespace cn3::test
