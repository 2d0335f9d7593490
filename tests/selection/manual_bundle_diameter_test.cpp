#include <gtest/gtest.h>

#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(manual_bundle_diameter_test, typed_diameter_is_the_bundle_cell_and_withdraws_the_plot) {
    struct Case {
        const char* typed;
        const char* cell;
        bool plotOffered;
    };
    const Case cases[] = {
        {"1.25", "Ovr 1.250", false},
        {" 0.8 in", "Ovr 0.800", false},
        {"9.999", "Ovr 9.999", false},
        {"  ", "0.000", true},  // blanks are no value: the empty bundle is computed
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        sheet.program.main.Text5.setText(c.typed);
        EXPECT_EQ(sheet.bundleCell(2), c.cell) << c.typed;
        EXPECT_EQ(sheet.program.main.Command3.enabled(), c.plotOffered) << c.typed;
    }
}

TEST(manual_bundle_diameter_test, typed_diameter_survives_selection_changes_and_a_cleared_row) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    form.Text5.setText("1.5");
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kK5, "P3 500");
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 1.500");
    sheet.clickSelected(2);
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 1.500");

    // A new worksheet empties the bundle row; the next change puts the typed value back.
    form.Grid2.setText(form.Grid2.rows() - 1, 2, "");
    sheet.clickCatalogue(family::kK5, "C 750");
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 1.500");
}

TEST(manual_bundle_diameter_test, emptying_the_field_computes_the_bundle_again_at_once) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    form.Text5.setText("2");
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kK5, "P3 500");
    form.Text5.setText("");
    EXPECT_EQ(sheet.bundleCell(2), "0.750");  // 0.250 and 0.500 side by side
    EXPECT_TRUE(form.Command3.enabled());
}

TEST(manual_bundle_diameter_test, too_many_cables_leave_the_placeholder_value_in_force) {
    SelectionWorksheet sheet;
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    // Around a 0.5 in cable, twelve equal ones fill the first ring and its grooves.
    for (int i = 0; i < 11; ++i) sheet.clickCatalogue(family::kK5, "P3 500");
    ASSERT_TRUE(sheet.dialogs.messages().empty());
    sheet.dialogs.expectMessage();
    sheet.clickCatalogue(family::kK5, "P3 500");
    EXPECT_EQ(sheet.dialogs.messages(),
              std::vector<std::string>{
                  "Too many cables for bundle calculation - enter manual value"});
    EXPECT_EQ(sheet.program.main.Text5.text(), "9.999");
    EXPECT_EQ(sheet.bundleCell(2), "Ovr 9.999");
    EXPECT_FALSE(sheet.program.main.Command3.enabled());

    // Fewer cables bring the bundle back within reach once the value is cleared.
    for (int i = 0; i < 6; ++i) sheet.clickSelected(2);
    sheet.program.main.Text5.setText("");
    EXPECT_NE(sheet.bundleCell(2).substr(0, 3), "Ovr");
    EXPECT_TRUE(sheet.program.main.Command3.enabled());
}

}  // namespace cn3::test
