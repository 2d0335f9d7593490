#include <gtest/gtest.h>

#include "selection/selection.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

using Names = std::vector<std::string>;

namespace {
const char* kOneCarrier = "Error - Can Only Select ONE Carrier Strand or Integrated Messenger";
const char* kDropAlone = "Error - Drop cable must be only selection";

struct Click {
    int tab;
    const char* name;
};
}  // namespace

TEST(cable_selection_test, carrier_and_drop_rules_decide_which_clicks_are_taken) {
    struct Case {
        const char* what;
        std::vector<Click> clicks;
        Names messages;
        Names selected;
    };
    const Case cases[] = {
        {"a strand and two coax",
         {{0, "6M EHS"}, {1, "P3 500"}, {2, "LX 540"}},
         {},
         {"6M EHS", "P3 500", "LX 540"}},
        {"the same coax many times",
         {{1, "P3 500"}, {0, "6M EHS"}, {1, "P3 500"}, {1, "P3 500"}},
         {},
         {"P3 500", "6M EHS", "P3 500", "P3 500"}},
        {"a second strand", {{0, "6M EHS"}, {0, "10M EHS"}}, {kOneCarrier}, {"6M EHS"}},
        {"a strand after a messenger",
         {{1, "P3 500 M"}, {0, "6M EHS"}},
         {kOneCarrier},
         {"P3 500 M"}},
        {"a messenger after a strand",
         {{0, "6M EHS"}, {3, "ORF 48 SS"}},
         {kOneCarrier},
         {"6M EHS"}},
        {"a drop alone", {{4, "RG6 VM"}}, {}, {"RG6 VM"}},
        {"a drop after a cable", {{1, "C 750"}, {4, "RG6 VM"}}, {kDropAlone}, {"C 750"}},
        {"a cable after a drop", {{4, "RG6 VM"}, {1, "C 750"}}, {kDropAlone}, {"RG6 VM"}},
        {"a drop after a drop", {{4, "RG6 VM"}, {4, "RG6 VM"}}, {kDropAlone}, {"RG6 VM"}},
        {"a user cable goes by its name, not by its family",
         {{0, "6M EHS"}, {5, "P USER 1"}},
         {},
         {"6M EHS", "P USER 1"}},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet;
        for (size_t i = 0; i < c.messages.size(); ++i) sheet.dialogs.expectMessage();
        for (const Click& click : c.clicks) sheet.clickCatalogue(click.tab, click.name);
        EXPECT_EQ(sheet.dialogs.messages(), c.messages) << c.what;
        EXPECT_EQ(sheet.selectedNames(), c.selected) << c.what;
    }
}

TEST(cable_selection_test, headings_and_the_none_row_are_not_cables) {
    SelectionWorksheet sheet(/*withUserCable=*/false);
    sheet.clickCatalogue(family::kUserDefined, "None");
    sheet.clickCatalogue(family::kK5, "Integrated Messengers");
    sheet.program.main.Grid1.click(0, 0);  // the heading row
    EXPECT_EQ(sheet.program.main.Grid2.rows(), 2);

    // So "None" does not take the carrier's place: a strand can still be chosen.
    sheet.clickCatalogue(family::kStrand, "10M EHS");
    EXPECT_EQ(sheet.selectedNames(), Names{"10M EHS"});
}

TEST(cable_selection_test, selected_row_copies_the_shown_diameter_and_weight_and_totals_follow) {
    SelectionWorksheet sheet(true, /*metric=*/true);
    sheet.clickCatalogue(family::kStrand, "6M EHS", 6);  // any column selects
    sheet.clickCatalogue(family::kK5, "P3 500");
    const ui::Grid& grid = sheet.program.main.Grid2;
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.text(1, 0), "1");
    EXPECT_EQ(grid.text(1, 2), "6.350");
    EXPECT_EQ(grid.text(1, 3), "0.180");
    EXPECT_EQ(grid.text(2, 0), "2");
    EXPECT_EQ(grid.text(2, 1), "P3 500");
    EXPECT_EQ(grid.text(2, 2), "12.700");
    EXPECT_EQ(grid.text(3, 1), "Bundle");
    // 0.180 + 0.125 kg/m, shown values summed.
    EXPECT_EQ(sheet.bundleCell(3), "0.3050");
}

TEST(cable_selection_test, removal_renumbers_the_rows_below_and_ignores_other_rows) {
    SelectionWorksheet sheet;
    sheet.clickCatalogue(family::kStrand, "6M EHS");
    sheet.clickCatalogue(family::kK5, "P3 500");
    sheet.clickCatalogue(family::kK5, "C 750");
    ASSERT_EQ(sheet.bundleCell(3), "0.3660");

    sheet.clickSelected(0);  // headings
    sheet.clickSelected(4);  // bundle row
    EXPECT_EQ(sheet.selectedNames(), (Names{"6M EHS", "P3 500", "C 750"}));

    sheet.clickSelected(2);
    EXPECT_EQ(sheet.selectedNames(), (Names{"6M EHS", "C 750"}));
    EXPECT_EQ(sheet.program.main.Grid2.text(1, 0), "1");
    EXPECT_EQ(sheet.program.main.Grid2.text(2, 0), "2");
    EXPECT_EQ(sheet.bundleCell(3), "0.2820");

    sheet.clickSelected(1);
    sheet.clickSelected(1);
    EXPECT_EQ(sheet.program.main.Grid2.rows(), 2);
    EXPECT_EQ(sheet.bundleCell(1), "Bundle");
    EXPECT_EQ(sheet.bundleCell(3), "0.0000");
}

}  // namespace cn3::test
