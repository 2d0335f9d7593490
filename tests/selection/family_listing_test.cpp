#include <gtest/gtest.h>

#include "selection/selection.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

TEST(family_listing_test, each_tab_lists_its_family_with_messengers_under_one_heading) {
    const std::vector<std::pair<int, Names>> cases = {
        {family::kStrand, {"6M EHS", "10M EHS"}},  // never table row 1
        {family::kK5, {"P3 500", "Integrated Messengers", "P3 500 M", "C 750"}},
        {family::kLX, {"LX 540", "Integrated Messengers", "LX 540 AM"}},
        {family::kFiber, {"ORF 24", "Integrated Messengers", "ORF 48 SS"}},
        {family::kDrop, {"RG6 VM"}},
        {family::kUserDefined, {"P USER 1"}},
    };
    SelectionWorksheet sheet;
    for (const auto& [tab, names] : cases) {
        FillCatalogueGrid(sheet.program, tab);
        EXPECT_EQ(sheet.listed(), names) << "tab " << tab;
    }
    SelectionWorksheet empty(/*withUserCable=*/false);
    FillCatalogueGrid(empty.program, family::kUserDefined);
    EXPECT_EQ(empty.listed(), Names{"None"});
}

TEST(family_listing_test, values_show_in_display_units_and_zero_as_an_empty_cell) {
    for (bool metric : {false, true}) {
        SelectionWorksheet sheet(true, metric);
        FillCatalogueGrid(sheet.program, family::kK5);  // P3 500 has no steel
        Names shown;
        for (int col = 2; col <= 7; ++col) shown.push_back(sheet.program.main.Grid1.text(1, col));
        EXPECT_EQ(shown, (metric ? Names{"", "12.700", "", "0.125", "", ""}
                                 : Names{"", "0.500", "", "0.084", "", ""}));
        FillCatalogueGrid(sheet.program, family::kStrand);
        EXPECT_EQ(sheet.program.main.Grid1.text(1, 7), metric ? "29,581" : "6,650");
    }
}

TEST(family_listing_test, creep_entry_shows_with_strands_and_editing_button_on_user_tab) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    for (int tab : {family::kUserDefined, family::kStrand, family::kLX}) {
        form.SSTab2.setTab(tab);
        EXPECT_EQ(form.Text9[4].visible(), tab == family::kStrand) << tab;
        EXPECT_EQ(form.Command1.visible(), tab == family::kUserDefined) << tab;
    }
    form.SSTab2.setTab(family::kUserDefined);
    form.Command1.click();  // while editing, the button stays and creep stays away
    form.SSTab2.setTab(family::kStrand);
    EXPECT_TRUE(form.Command1.visible());
    EXPECT_FALSE(form.Text9[4].visible());
}

}  // namespace cn3::test
