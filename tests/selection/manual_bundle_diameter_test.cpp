#include <gtest/gtest.h>

#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(manual_bundle_diameter_test, typed_value_is_the_bundle_cell_until_the_field_is_emptied) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    for (auto [typed, cell] : {std::pair{"1.25", "Ovr 1.250"}, {" 0.8 in", "Ovr 0.800"}}) {
        form.Text5.setText(typed);
        EXPECT_EQ(sheet.bundleCell(2), cell);
        EXPECT_FALSE(form.Command3.enabled());
    }
    // Selection changes, and a bundle row emptied by a new worksheet, keep the typed value.
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.clickCatalogue(family::kK5, "C 750");
    form.Grid2.setText(form.Grid2.rows() - 1, 2, "");
    sheet.clickSelected(3);
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 0.800");

    form.Text5.setText("  ");
    EXPECT_EQ(sheet.bundleCell(2), "0.750");  // 0.250 beside 0.500, computed at once
    EXPECT_TRUE(form.Command3.enabled());
}

TEST(manual_bundle_diameter_test, too_many_cables_put_the_placeholder_value_in_force) {
    SelectionWorksheet sheet;
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    // Around a 0.5 in cable, eleven equal ones fill the first ring and its grooves.
    for (int i = 0; i < 11; ++i) sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.dialogs.expectMessage();
    sheet.clickCatalogue(family::kK5, "P3 500");
    EXPECT_EQ(sheet.program.main.Text5.text(), "9.999");
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 9.999");
    EXPECT_FALSE(sheet.program.main.Command3.enabled());
}

}  // namespace cn3::test
