#include <gtest/gtest.h>

#include "selection/selection_fixture.h"
#include "selection/user_cables.h"

namespace cn3::test {

TEST(user_cables_saving_test, close_writes_every_user_cable_byte_for_byte_and_restores_the_page) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    form.SSTab2.setTab(family::kStrand);
    form.Command1.click();
    sheet.dialogs.answerInput("MY 6M EHS");
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.dialogs.answerInput("0.45");
    sheet.clickCatalogue(family::kUserDefined, "P USER 1", 3);
    form.SSTab2.setTab(family::kStrand);
    form.Command4.click();

    EXPECT_EQ(sheet.folder.read("CABLEADD.TXT"),
              "P USER 1\t1\t0\t0.450\t0.0000070\t0.100\t\t\t\r\n"
              "MY 6M EHS\t1\t7\t0.250\t0.0000064\t0.121\t1520000\t6650\t\r\n");
    EXPECT_FALSE(sheet.program.editingMode());
    for (const ui::Control* shown : std::initializer_list<const ui::Control*>{
             &form.Grid2, &form.Text5, &form.Label2[5], &form.Command3, &form.Text9[4],
             &form.Label2[4]}) {
        EXPECT_TRUE(shown->visible());
    }
}

TEST(user_cables_saving_test, deleting_the_last_user_cable_removes_the_file_and_the_print_box) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    sheet.folder.write("CABLEADD.TXT", "P USER 1\t1\t0\t0.400\t0.0000070\t0.100\t\t\t\r\n");
    form.Check5[5].setVisible(true);
    form.Check5[5].setChecked(true);

    form.Command1.click();
    sheet.dialogs.answerInput("del");
    sheet.clickCatalogue(family::kUserDefined, "P USER 1", 1);
    form.Command4.click();

    EXPECT_FALSE(sheet.folder.exists("CABLEADD.TXT"));
    EXPECT_FALSE(form.Check5[5].visible());
    EXPECT_FALSE(form.Check5[5].checked());
    // The creep entry stays with the strands only.
    EXPECT_FALSE(form.Text9[4].visible());
}

TEST(user_cables_saving_test, a_file_that_cannot_be_written_is_reported_and_the_cables_kept) {
    SelectionWorksheet sheet;
    sheet.program.dataFolder = sheet.folder.file("no such folder");
    sheet.program.main.Command1.click();
    sheet.dialogs.expectMessage();
    sheet.program.main.Command4.click();

    ASSERT_EQ(sheet.dialogs.messages().size(), 1u);
    EXPECT_TRUE(sheet.dialogs.messages()[0].starts_with("Error - CABLEADD.TXT could not be written"));
    EXPECT_EQ(sheet.program.cables.lastCableRow, sheet.program.cables.userSeparatorRow + 1);
}

}  // namespace cn3::test
