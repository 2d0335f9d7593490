#include <gtest/gtest.h>

#include "core/catalogue.h"
#include "selection/selection.h"
#include "selection/selection_fixture.h"

namespace cn3::test {

using Names = std::vector<std::string>;

TEST(family_listing_test, each_tab_lists_its_family_with_messengers_under_their_heading) {
    struct Case {
        const char* what;
        int tab;
        Names names;
    };
    const Case cases[] = {
        {"strands, never the first table row", family::kStrand, {"6M EHS", "10M EHS"}},
        {"K5 messengers after the first one with an M",
         family::kK5,
         {"P3 500", "Integrated Messengers", "P3 500 M", "C 750"}},
        {"LX messengers", family::kLX, {"LX 540", "Integrated Messengers", "LX 540 AM"}},
        {"self-supporting fibre", family::kFiber, {"ORF 24", "Integrated Messengers", "ORF 48 SS"}},
        {"drops", family::kDrop, {"RG6 VM"}},
        {"user defined", family::kUserDefined, {"P USER 1"}},
    };
    SelectionWorksheet sheet;
    for (const Case& c : cases) {
        FillCatalogueGrid(sheet.program, c.tab);
        EXPECT_EQ(sheet.listed(), c.names) << c.what;
        EXPECT_EQ(sheet.program.main.Grid1.fixedRows(), 1) << c.what;
    }
}

TEST(family_listing_test, empty_user_tab_shows_none_and_other_empty_tabs_only_the_headings) {
    SelectionWorksheet sheet(/*withUserCable=*/false);
    FillCatalogueGrid(sheet.program, family::kUserDefined);
    EXPECT_EQ(sheet.listed(), Names{"None"});

    sheet.program.cables.rows[11] = {};  // the only drop cable goes
    AssignKindCodes(sheet.program.cables);
    FillCatalogueGrid(sheet.program, family::kDrop);
    EXPECT_EQ(sheet.program.main.Grid1.rows(), 1);
}

TEST(family_listing_test, values_are_shown_in_display_units_and_zero_as_an_empty_cell) {
    struct Case {
        bool metric;
        Names strand;   // 6M EHS, columns 1..7
        Names coax;     // P3 500, columns 1..7
    };
    const Case cases[] = {
        {false,
         {"1", "7", "0.250", "0.0000064", "0.121", "1,520,000", "6,650"},
         {"1", "", "0.500", "", "0.084", "", ""}},
        {true,
         // 1,520,000 x 4.448222 is 6,761,297.44, which single precision holds as ...97.5
         {"1", "7", "6.350", "0.0000115", "0.180", "6,761,298", "29,581"},
         {"1", "", "12.700", "", "0.125", "", ""}},
    };
    for (const Case& c : cases) {
        SelectionWorksheet sheet(true, c.metric);
        FillCatalogueGrid(sheet.program, family::kStrand);
        FillCatalogueGrid(sheet.program, family::kK5);
        const ui::Grid& grid = sheet.program.main.Grid1;
        Names coax;
        for (int col = 1; col <= 7; ++col) coax.push_back(grid.text(1, col));
        EXPECT_EQ(coax, c.coax) << "metric " << c.metric;

        FillCatalogueGrid(sheet.program, family::kStrand);
        Names strand;
        for (int col = 1; col <= 7; ++col) strand.push_back(grid.text(1, col));
        EXPECT_EQ(strand, c.strand) << "metric " << c.metric;
    }
}

TEST(family_listing_test, tab_change_shows_creep_with_strands_and_the_editing_button_on_user_tab) {
    SelectionWorksheet sheet;
    MainForm& form = sheet.program.main;
    struct Step {
        int tab;
        bool creep;
        bool editButton;
    };
    const Step steps[] = {{family::kUserDefined, false, true},
                          {family::kStrand, true, false},
                          {family::kLX, false, false},
                          {family::kUserDefined, false, true}};
    for (const Step& s : steps) {
        form.SSTab2.setTab(s.tab);
        EXPECT_EQ(form.Text9[4].visible(), s.creep) << "tab " << s.tab;
        EXPECT_EQ(form.Label2[4].visible(), s.creep) << "tab " << s.tab;
        EXPECT_EQ(form.Command1.visible(), s.editButton) << "tab " << s.tab;
    }
    EXPECT_EQ(sheet.listed(), Names{"P USER 1"});

    // While editing, the editing button stays and the creep entry stays away.
    form.Command1.click();
    form.SSTab2.setTab(family::kStrand);
    EXPECT_TRUE(form.Command1.visible());
    EXPECT_FALSE(form.Text9[4].visible());
}

}  // namespace cn3::test
