#include <gtest/gtest.h>

#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(cable_selection_test, carrier_and_drop_rules_decide_which_clicks_are_taken) {
    const std::string one = "Error - Can Only Select ONE Carrier Strand or Integrated Messenger";
    const std::string drop = "Error - Drop cable must be only selection";
    struct Case {
        std::vector<std::pair<int, std::string>> clicks;
        std::string message;  // empty: none
        Names selected;
    };
    const Case cases[] = {
        {{{0, "6M EHS"}, {1, "P3 500"}, {1, "P3 500"}, {2, "LX 540"}},
         "",
         {"6M EHS", "P3 500", "P3 500", "LX 540"}},
        {{{0, "6M EHS"}, {0, "10M EHS"}}, one, {"6M EHS"}},
        {{{1, "P3 500 M"}, {0, "6M EHS"}}, one, {"P3 500 M"}},
        {{{0, "6M EHS"}, {3, "ORF 48 SS"}}, one, {"6M EHS"}},
        {{{1, "C 750"}, {4, "RG6 VM"}}, drop, {"C 750"}},
        {{{4, "RG6 VM"}, {4, "RG6 VM"}}, drop, {"RG6 VM"}},
        {{{4, "RG6 VM"}, {1, "C 750"}}, drop, {"RG6 VM"}},
        // A user cable goes by its name's kind; headings are not cables.
        {{{0, "6M EHS"}, {5, "P USER 1"}, {1, "Integrated Messengers"}},
         "",
         {"6M EHS", "P USER 1"}},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        if (!c.message.empty()) sheet.dialogs.expectMessage();
        for (const auto& [tab, name] : c.clicks) sheet.clickCatalogue(tab, name);
        EXPECT_EQ(sheet.dialogs.messages(), c.message.empty() ? Names{} : Names{c.message});
        EXPECT_EQ(sheet.selectedNames(), c.selected) << c.clicks.back().second;
    }
}

TEST(cable_selection_test, none_row_is_no_cable_and_leaves_room_for_a_strand) {
    SelectionWorksheet sheet(/*withUserCable=*/false);
    sheet.clickCatalogue(family::kUserDefined, "None");
    sheet.clickCatalogue(family::kStrand, "10M EHS");
    EXPECT_EQ(sheet.selectedNames(), Names{"10M EHS"});
}

TEST(cable_selection_test, rows_copy_shown_values_and_removal_renumbers_and_totals) {
    SelectionWorksheet sheet(true, /*metric=*/true);
    sheet.clickCatalogue(family::kStrand, "6M EHS", 6);  // any column selects
    sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.clickCatalogue(family::kK5, "C 750");
    const ui::Grid& grid = sheet.program.main.Grid2;
    EXPECT_EQ((Names{grid.text(2, 0), grid.text(2, 2), grid.text(2, 3)}),
              (Names{"2", "12.700", "0.125"}));
    EXPECT_EQ(sheet.bundleCell(3), "0.5450");  // 0.180 + 0.125 + 0.240 kg/m as shown

    sheet.clickSelected(0);  // headings
    sheet.clickSelected(4);  // bundle row
    sheet.clickSelected(2);
    EXPECT_EQ(sheet.selectedNames(), (Names{"6M EHS", "C 750"}));
    EXPECT_EQ(grid.text(2, 0), "2");
    EXPECT_EQ(sheet.bundleCell(3), "0.4200");

    sheet.clickSelected(1);
    sheet.clickSelected(1);
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(sheet.bundleCell(3), "0.0000");
    EXPECT_EQ(sheet.bundleCell(2), "0.000");
}

}  // namespace cn3::test
